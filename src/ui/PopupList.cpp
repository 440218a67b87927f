#include "PopupList.h"

#include <QEventLoop>
#include <QKeyEvent>

namespace zg {

void PopupList::close() {
    cancelled_ = false;
    hide();
    emit closed();
}

void PopupList::open() {
    if (!isVisible())
        cancelled_ = false; // a list that is already open keeps the outcome its waits will see
    show();
    raise();
    setFocus();
}

void PopupList::cancel() {
    close();
    cancelled_ = true;
}

void PopupList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        cancel();
    else
        QListWidget::keyPressEvent(event);
}

int ChooseFromList(PopupList& list, std::optional<int> preset) {
    if (preset)
        list.setCurrentRow(*preset);
    list.open();
    QEventLoop loop;
    const auto connection = QObject::connect(&list, &PopupList::closed, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    list.hide();
    return list.currentRow();
}

} // namespace zg
