// How long one step of painting over the grid takes, offscreen: the drag notification for a cell and
// the repaint it causes. A step must end well within the interval of pointer events.
#include "BenchFigures.h"
#include "BenchWindow.h"
#include "app/Application.h"
#include "ui/grid/GridWidget.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Counts the grid's paints, so that every timed step is known to include its repaint.
class PaintCounter : public QObject {
  public:
    int paints = 0;

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void sendMouse(zg::GridWidget* grid, QEvent::Type type, zg::LedChannel row, zg::EventIndex e) {
    const QPointF at = QRectF(zg::GridGeometry::CellRect(row, e)).center();
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, grid->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(grid, &event);
}

struct Steps {
    std::vector<double> microseconds;
    int unpainted = 0;
};

using DragStep = std::function<void(zg::LedChannel row, zg::EventIndex e)>;

// One stroke along a row from its first cell: every step turns one more cell to the first cell's state.
void stroke(zg::MainWindow& form, zg::LedChannel row, int state, const DragStep& step, PaintCounter& counter,
            Steps& steps) {
    zg::GridWidget* grid = form.controls().grid;
    form.sequence().setCell(row, 0, state);
    QApplication::processEvents();
    sendMouse(grid, QEvent::MouseButtonPress, row, 0);
    for (zg::EventIndex e = 1; e < zg::kEventCount; ++e) {
        const int paintsBefore = counter.paints;
        const auto start = Clock::now();
        step(row, e);
        QApplication::processEvents(); // the repaint
        steps.microseconds.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        steps.unpainted += counter.paints == paintsBefore ? 1 : 0;
    }
    sendMouse(grid, QEvent::MouseButtonRelease, row, zg::kEventCount - 1);
}

// Strokes over every row, setting and then clearing, so that every step changes a cell.
Steps measure(zg::MainWindow& form, const DragStep& step, PaintCounter& counter, int rounds) {
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

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    BenchWindow window(argc, argv);
    zg::MainWindow& form = window.form();

    PaintCounter counter;
    form.controls().grid->installEventFilter(&counter);
    constexpr int kRounds = 16; // four strokes setting and four clearing, twice over
    // The document's change alone, as a drag reports it, and the whole way from a pointer event.
    const Steps notified = measure(
        form,
        [&](zg::LedChannel row, zg::EventIndex e) {
            form.sequence().setCell(row, e, form.sequence().cell(row, 0));
        },
        counter, kRounds);
    const Steps moved = measure(
        form,
        [&](zg::LedChannel row, zg::EventIndex e) {
            sendMouse(form.controls().grid, QEvent::MouseMove, row, e);
        },
        counter, kRounds);
    report("drag notification + repaint:", "drag_over", notified, figure);
    report("pointer move event + repaint:", "mouse_move", moved, figure);
    return 0;
}
