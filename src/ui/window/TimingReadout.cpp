#include "TimingReadout.h"

#include "export/TimingText.h"
#include "model/RowTiming.h"
#include "ui/grid/GridWidget.h"

#include <QLabel>
#include <QTimer>

namespace zg {

TimingReadout::TimingReadout(const LedSequence& sequence, GridWidget& grid, QLabel& line, QObject* parent)
    : QObject(parent), sequence_(sequence), grid_(grid), line_(line) {
    connect(&grid_, &GridWidget::pointerRowChanged, this, [this] { documentChanged(); });
    connect(&grid_, &GridWidget::focusMoved, this, [this] { documentChanged(); });
    refresh();
}

LedChannel TimingReadout::row() const {
    return grid_.pointerRow() >= 0 ? grid_.pointerRow() : grid_.focusCell().row;
}

void TimingReadout::documentChanged() {
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, &TimingReadout::refresh);
}

void TimingReadout::refresh() {
    pending_ = false;
    const LedChannel shown = row();
    line_.setText(RowReadout(shown, TimeRow(sequence_, shown)));
}

} // namespace zg
