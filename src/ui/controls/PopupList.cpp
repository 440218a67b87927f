#include "PopupList.h"

#include <QKeyEvent>

#include <algorithm>

namespace zg {

void PopupList::choose(std::optional<int> preset, Pick done) {
    if (preset)
        setCurrentRow(*preset);
    waiting_.push_back(std::move(done));
    show();
    raise();
    setFocus();
    emit opened();
}

void PopupList::close() {
    finish(currentRow());
}

void PopupList::cancel() {
    finish(std::nullopt);
}

void PopupList::finish(std::optional<int> entry) {
    hide();
    auto waiting = std::exchange(waiting_, {});
    std::reverse(waiting.begin(), waiting.end());
    for (const Pick& done : waiting)
        done(entry);
}

void PopupList::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        cancel();
    else
        QListWidget::keyPressEvent(event);
}

} // namespace zg
