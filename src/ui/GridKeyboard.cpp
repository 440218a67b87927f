#include "GridKeyboard.h"

#include "MainFormControls.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace zg {

namespace {
// The cells' area in the client, with room around it for the focus frame.
constexpr int kLeft = 124;
constexpr int kTop = 20;
constexpr int kRowPitch = 24;
constexpr int kFirstRowTop = 24;
} // namespace

GridKeyboard::GridKeyboard(QWidget* client) : QWidget(client) {
    setObjectName(QStringLiteral("GridKeyboard"));
    setGeometry(kLeft, kTop, GridColumnLeft(kLastEvent) + 9 + 4 - kLeft,
                kFirstRowTop + 3 * kRowPitch + 13 + 4 - kTop);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("LED grid"));
}

void GridKeyboard::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        return moveTo(row_, std::max(event_ - 1, 0));
    case Qt::Key_Right:
        return moveTo(row_, std::min(event_ + 1, kLastEvent));
    case Qt::Key_Up:
        return moveTo(std::max(row_ - 1, 0), event_);
    case Qt::Key_Down:
        return moveTo(std::min(row_ + 1, kLedCount - 1), event_);
    case Qt::Key_Home:
        return moveTo(row_, 0);
    case Qt::Key_End:
        return moveTo(row_, kLastEvent);
    case Qt::Key_Space:
        emit spacePressed(row_, event_);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit enterPressed(event_);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void GridKeyboard::moveTo(LedChannel row, EventIndex e) {
    const QRect before = cellRect(row_, event_);
    row_ = row;
    event_ = e;
    update(before.united(cellRect(row_, event_)));
}

QRect GridKeyboard::cellRect(LedChannel row, EventIndex e) const {
    const QRect cell(GridColumnLeft(e) - kLeft, kFirstRowTop + kRowPitch * row - kTop, 9, 13);
    return cell.adjusted(-3, -3, 3, 3);
}

void GridKeyboard::paintEvent(QPaintEvent*) {
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(cellRect(row_, event_).adjusted(1, 1, -1, -1));
}

void GridKeyboard::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void GridKeyboard::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

} // namespace zg
