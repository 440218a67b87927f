#include "GridWidget.h"

#include "export/PlainTip.h"
#include "export/TimingText.h"
#include "ui/grid/GridAccessibleEvents.h"

#include <QAccessible>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

namespace zg {

using namespace GridGeometry;

GridWidget::GridWidget(const LedSequence& sequence, QWidget* parent)
    : QWidget(parent), sequence_(sequence), painter_(font()) {
    setObjectName(QStringLiteral("Grid"));
    setGeometry(QRect(kOrigin, QSize(kWidth, kHeight)));
    setFocusPolicy(Qt::StrongFocus);
    // The grid paints its own background, so that Qt need not paint the window behind it at
    // every step of a test.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Pattern"));
    setMouseTracking(true); // the row under the pointer is the one whose timing the window reads out
}

void GridWidget::moveFocusTo(GridCell cell) {
    const GridCell old = focus_;
    focus_ = cell;
    update(CellRect(old.row, old.event).adjusted(-2, -2, 2, 2));
    update(CellRect(cell.row, cell.event).adjusted(-2, -2, 2, 2));
    if (hasFocus())
        NotifyGridFocus(this, cell);
    if (old != cell)
        emit focusMoved(cell);
}

void GridWidget::setPlayingEvent(std::optional<EventIndex> e) {
    if (e == playing_)
        return;
    if (playing_)
        update(AxisRect(*playing_));
    playing_ = e;
    if (playing_)
        update(AxisRect(*playing_));
}

void GridWidget::switchCell(GridCell cell) {
    endGesture();
    setSelection(std::nullopt);
    moveFocusTo(cell);
    emit clicked(cell);
}

void GridWidget::showCell(LedChannel row, EventIndex e) {
    update(CellRect(row, e));
    NotifyGridCellChanged(this, GridCell{row, e});
}

void GridWidget::showAxisLabel(EventIndex e) {
    update(AxisRect(e));
}

// --- drawing ---

// Only what lies in the dirty rectangle is drawn: a step of the test or of a drag repaints one
// axis label or one cell, not the whole grid.
void GridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QWidget* window = parentWidget() ? parentWidget() : this;
    painter_.paint(painter, event->rect(), palette(), window->palette().color(QPalette::Window),
                   {sequence_, playing_, selection_, hasFocus() ? std::optional(focus_) : std::nullopt});
}

void GridWidget::setSelection(std::optional<CellRange> range) {
    if (range == selection_)
        return;
    if (selection_)
        update(GridPainter::SelectionRect(*selection_).adjusted(-2, -2, 2, 2));
    selection_ = range;
    if (range) {
        update(GridPainter::SelectionRect(*range).adjusted(-2, -2, 2, 2));
        anchor_ = {range->firstRow, range->firstEvent};
        if (!Contains(*range, focus_.row, focus_.event))
            moveFocusTo(anchor_);
    }
}

// The selection from its corner (the focus cell when there was none) to `cell`, which takes the focus.
void GridWidget::stretchSelectionTo(GridCell cell) {
    const GridCell anchor = selection_ ? anchor_ : focus_;
    moveFocusTo(cell);
    setSelection(RangeBetween(anchor.row, anchor.event, cell.row, cell.event));
    anchor_ = anchor;
}

// --- the mouse ---

void GridWidget::mousePressEvent(QMouseEvent* event) {
    const bool secondButton = (event->buttons() & ~event->button()) != Qt::NoButton;
    endGesture(); // a second button ends the gesture; so does a press whose release was lost
    if (secondButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton)
        pressOtherButton(pos);
    else if (const auto cell = CellAt(pos); cell && (event->modifiers() & Qt::ShiftModifier))
        stretchSelectionTo(*cell);
    else
        press(pos);
}

// Only the left button switches and paints cells. The right one opens the context menu for the
// cell it is on: that cell takes the focus, unless it lies in the selection the menu is meant for.
void GridWidget::pressOtherButton(QPoint pos) {
    const auto cell = CellAt(pos);
    if (!cell || (selection_ && Contains(*selection_, cell->row, cell->event)))
        return;
    setSelection(std::nullopt);
    moveFocusTo(*cell);
}

// A quick second press, also on the neighbouring cell, comes as a press and then a double-click:
// the press has begun its own gesture. On the time axis the double-click moves the end mark.
void GridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() != Qt::LeftButton) {
        pressOtherButton(pos);
        return;
    }
    if (const auto e = AxisAt(pos)) {
        emit endMarkChosen(*e);
        return;
    }
    if (!pressedCell_ && !(event->modifiers() & Qt::ShiftModifier))
        press(pos);
}

void GridWidget::press(QPoint pos) {
    const auto cell = CellAt(pos);
    if (!cell)
        return;
    setSelection(std::nullopt);
    moveFocusTo(*cell);
    pressedCell_ = cell;
    lastEntered_ = cell;
    emit pressed(*cell);
}

void GridWidget::mouseMoveEvent(QMouseEvent* event) {
    const auto cell = CellAt(event->position().toPoint());
    setPointerRow(cell ? cell->row : -1);
    setPointerEvent(cell ? cell->event : -1);
    if (!pressedCell_)
        return;
    if (cell && cell != lastEntered_) {
        lastEntered_ = cell;
        emit entered(*cell);
    }
}

void GridWidget::leaveEvent(QEvent* event) {
    setPointerRow(-1);
    setPointerEvent(-1);
    QWidget::leaveEvent(event);
}

void GridWidget::setPointerRow(LedChannel row) {
    if (row == pointerRow_)
        return;
    pointerRow_ = row;
    emit pointerRowChanged(row);
}

void GridWidget::setPointerEvent(int e) {
    if (e == pointerEvent_)
        return;
    pointerEvent_ = e;
    emit pointerEventChanged(e);
}

// Over a cell or the time axis: which LED and event it is, and when in the cycle it plays.
bool GridWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const QPoint pos = static_cast<QHelpEvent*>(event)->pos();
    const auto cell = CellAt(pos);
    const auto axis = AxisAt(pos);
    if (!cell && !axis) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const int delay = sequence_.sequencerDelay();
    const QString text =
        cell ? CellTimeText(cell->row, cell->event, delay, nameOf_ ? nameOf_(cell->row) : QString())
             : AxisTimeText(*axis, delay, *axis == sequence_.endEvent());
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), PlainTip(text), this);
    return true;
}

void GridWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressedCell_ || event->buttons() != Qt::NoButton)
        return;
    const GridCell start = *pressedCell_;
    const auto cell = CellAt(event->position().toPoint());
    if (cell)
        emit released(*cell);
    endGesture();
    if (cell == start)
        emit clicked(start);
}

void GridWidget::endGesture() {
    if (!pressedCell_)
        return;
    pressedCell_.reset();
    lastEntered_.reset();
    emit gestureEnded();
}

// --- the keys ---

void GridWidget::keyPressEvent(QKeyEvent* event) {
    GridCell cell = focus_;
    switch (event->key()) {
    case Qt::Key_Left:
        cell.event = std::max(0, cell.event - 1);
        break;
    case Qt::Key_Right:
        cell.event = std::min(kLastEvent, cell.event + 1);
        break;
    case Qt::Key_Up:
        cell.row = std::max(0, cell.row - 1);
        break;
    case Qt::Key_Down:
        cell.row = std::min(kLedCount - 1, cell.row + 1);
        break;
    case Qt::Key_Home:
        cell.event = 0;
        break;
    case Qt::Key_End:
        cell.event = kLastEvent;
        break;
    case Qt::Key_Space:
        emit spacePressed(focus_);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit endMarkChosen(focus_.event);
        return;
    case Qt::Key_Escape:
        if (!selection_) {
            QWidget::keyPressEvent(event); // an open list above the grid closes on it
            return;
        }
        setSelection(std::nullopt);
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!moveByKey(event, cell))
        QWidget::keyPressEvent(event); // other modifiers are not the grid's
}

// A plain arrow, Home or End moves the focus cell and ends the selection; with Shift they stretch
// the selection instead.
bool GridWidget::moveByKey(QKeyEvent* event, GridCell cell) {
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::ShiftModifier) {
        stretchSelectionTo(cell);
        return true;
    }
    if (modifiers != Qt::NoModifier)
        return false;
    setSelection(std::nullopt);
    moveFocusTo(cell);
    return true;
}

void GridWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    NotifyGridFocus(this, focus_);
}

void GridWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    endGesture(); // the grab is lost with the focus to a dialog: the gesture's release never comes
    update();
}

} // namespace zg
