#include "NoteLine.h"

#include <QLabel>
#include <QStatusBar>

namespace zg {

namespace {
constexpr int kStatusBarMs = 15000;
}

NoteLine::NoteLine(QLabel& label, QStatusBar& statusBar)
    : QObject(&label), label_(label), statusBar_(statusBar) {
    label_.setTextFormat(Qt::PlainText); // a note may name a device the user called anything
}

void NoteLine::show(const QString& text) {
    if (takenByStick_)
        return moveToStatusBar(text);
    label_.setText(text);
    label_.show();
}

void NoteLine::hide() {
    label_.hide();
}

// A note shown when the stick comes is moved, not lost.
void NoteLine::setTakenByStick(bool taken) {
    takenByStick_ = taken;
    if (taken && !label_.isHidden())
        moveToStatusBar(label_.text());
}

void NoteLine::moveToStatusBar(const QString& text) {
    label_.hide();
    statusBar_.showMessage(text, kStatusBarMs);
}

} // namespace zg
