#include "PopupList.h"

#include <QEventLoop>

namespace zg {

void PopupList::close() {
    hide();
    emit closed();
}

int ChooseFromList(PopupList& list, std::optional<int> preset) {
    if (preset)
        list.setCurrentRow(*preset);
    list.show();
    list.raise();
    list.setFocus();
    QEventLoop loop;
    const auto connection = QObject::connect(&list, &PopupList::closed, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    list.hide();
    return list.currentRow();
}

} // namespace zg
