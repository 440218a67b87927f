// How long one step of painting over the grid takes, offscreen: the drag notification for a cell and
// the repaint it causes. A step must end well within the interval of pointer events.
#include "BenchFigures.h"
#include "BenchWindow.h"
#include "ui/Application.h"
#include "ui/Main_LEDFlasher_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Counts the paints of one cell, so that every timed step is known to include its repaint.
class PaintCounter : public QObject {
  public:
    QObject* cell = nullptr;
    int paints = 0;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == cell && event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Steps {
    std::vector<double> microseconds;
    int unpainted = 0;
};

using DragStep = std::function<void(zg::LedChannel row, zg::EventIndex e)>;

// One stroke along a row from its first cell: every step turns one more cell to the first cell's state.
void stroke(zg::Main_LEDFlasher_form& form, zg::LedChannel row, int state, const DragStep& step,
            PaintCounter& counter, Steps& steps) {
    form.sequence().setCell(row, 0, state);
    QApplication::processEvents();
    form.iSwitchLedX_MouseDown(row, 0);
    for (zg::EventIndex e = 1; e < zg::kEventCount; ++e) {
        counter.cell = form.controls().iSwitchLedX[row][e];
        const int paintsBefore = counter.paints;
        const auto start = Clock::now();
        step(row, e);
        QApplication::processEvents(); // the repaint
        steps.microseconds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        steps.unpainted += counter.paints == paintsBefore ? 1 : 0;
    }
    form.iSwitchLedX_MouseUp(row, zg::kEventCount - 1);
}

// Strokes over every row, setting and then clearing, so that every step changes a cell.
Steps measure(zg::Main_LEDFlasher_form& form, const DragStep& step, PaintCounter& counter, int rounds) {
    Steps steps;
    for (int round = 0; round < rounds; ++round)
        stroke(form, round % zg::kLedCount, (round / zg::kLedCount) % 2 == 0 ? 1 : 0, step, counter, steps);
    std::sort(steps.microseconds.begin(), steps.microseconds.end());
    return steps;
}

void report(const char* what, const char* key, const Steps& steps, const FigurePrinter& figure) {
    const auto& us = steps.microseconds;
    const double median = us[us.size() / 2];
    const double p99 = us[std::min(us.size() - 1, us.size() * 99 / 100)];
    std::printf("%-40s median %8.1f us, p99 %8.1f us, max %8.1f us, %zu steps, %d without a repaint\n", what,
                median, p99, us.back(), us.size(), steps.unpainted);
    const std::string prefix = std::string("paint_step.") + key + ".";
    figure((prefix + "median").c_str(), median, "us");
    figure((prefix + "p99").c_str(), p99, "us");
    figure((prefix + "unpainted").c_str(), steps.unpainted, "steps");
}

// A pointer move with the button held, as the pressed cell receives it over another cell.
void sendDragMove(zg::Main_LEDFlasher_form& form, zg::LedChannel row, zg::EventIndex e) {
    QCheckBox* pressed = form.controls().iSwitchLedX[row][0];
    QCheckBox* over = form.controls().iSwitchLedX[row][e];
    const QPointF global = over->mapToGlobal(QPointF(over->rect().center()));
    QMouseEvent move(QEvent::MouseMove, pressed->mapFromGlobal(global), global, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pressed, &move);
}

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    BenchWindow window(argc, argv);
    zg::Main_LEDFlasher_form& form = window.form();

    PaintCounter counter;
    for (const auto& row : form.controls().iSwitchLedX) {
        for (QCheckBox* cell : row)
            cell->installEventFilter(&counter);
    }
    constexpr int kRounds = 16; // four strokes setting and four clearing, twice over
    const Steps notified = measure(
        form, [&](zg::LedChannel row, zg::EventIndex e) { form.iSwitchLedX_DragOver(row, e); }, counter,
        kRounds);
    const Steps moved = measure(
        form, [&](zg::LedChannel row, zg::EventIndex e) { sendDragMove(form, row, e); }, counter, kRounds);
    report("drag notification + repaint:", "drag_over", notified, figure);
    report("pointer move event + repaint:", "mouse_move", moved, figure);
    return 0;
}
