#include "TimingReadout.h"

#include "export/TimingText.h"
#include "model/RowTiming.h"
#include "ui/grid/GridWidget.h"

#include <QLabel>
#include <QStatusBar>

namespace zg {

TimingReadout::TimingReadout(const LedSequence& sequence, GridWidget& grid, QStatusBar& bar, QObject* parent)
    : QObject(parent), sequence_(sequence), grid_(grid), line_(*new QLabel(&bar)) {
    line_.setObjectName(QStringLiteral("TimingReadout"));
    bar.addWidget(&line_, 1);
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &TimingReadout::refresh);
    connect(&grid_, &GridWidget::pointerRowChanged, this, [this] { documentChanged(); });
    connect(&grid_, &GridWidget::focusMoved, this, [this] { documentChanged(); });
    refresh();
}

LedChannel TimingReadout::row() const {
    return grid_.pointerRow() >= 0 ? grid_.pointerRow() : grid_.focusCell().row;
}

void TimingReadout::documentChanged() {
    if (!timer_.isActive())
        timer_.start();
}

void TimingReadout::refresh() {
    const LedChannel shown = row();
    line_.setText(RowReadout(shown, TimeRow(sequence_, shown)));
}

} // namespace zg
