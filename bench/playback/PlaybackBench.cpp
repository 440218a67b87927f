// Plays the on-screen test offscreen and prints how closely each step keeps to the test speed,
// and what the playback costs in processor time.
#include "BenchFigures.h"
#include "BenchWindow.h"
#include "ui/Application.h"
#include "ui/MainWindow.h"
#include "ui/UserDialogs.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void run(zg::MainWindow& form, int testSpeed, int steps, const FigurePrinter& figure) {
    form.sequence().setTestSpeed(static_cast<std::int16_t>(testSpeed));
    std::vector<Clock::time_point> ticks;
    ticks.reserve(std::size_t(steps));
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    const auto connection = QObject::connect(timer, &QTimer::timeout, &form, [&] {
        ticks.push_back(Clock::now());
        if (int(ticks.size()) == steps)
            form.toggleTest(); // the second press stops the test
    });
    const auto wallStart = Clock::now();
    const std::clock_t cpuStart = std::clock();
    form.toggleTest();
    // The test plays on its timer; the application's own event loop idles in between.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &form, [&] {
        if (!form.testActive())
            QCoreApplication::quit();
    });
    poll.start(50);
    QCoreApplication::exec();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
    QObject::disconnect(connection);

    std::vector<double> periods;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        periods.push_back(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
    std::sort(periods.begin(), periods.end());
    const double median = periods[periods.size() / 2];
    const double p99 = periods[std::min(periods.size() - 1, periods.size() * 99 / 100)];
    std::printf(
        "TestSpeed %3d ms, %d steps: median %.2f ms (%.3f x), p99 %.2f ms (%.3f x), cpu %.2f %% of wall\n",
        testSpeed, steps, median, median / testSpeed, p99, p99 / testSpeed, 100.0 * cpu / wall);
    const std::string prefix = "playback." + std::to_string(testSpeed) + "ms.";
    figure((prefix + "median_ratio").c_str(), median / testSpeed, "x");
    figure((prefix + "p99_ratio").c_str(), p99 / testSpeed, "x");
    figure((prefix + "cpu_share").c_str(), 100.0 * cpu / wall, "%");
}

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    BenchWindow window(argc, argv);
    zg::MainWindow& form = window.form();
    // A busy pattern, so that every step really changes the indicators.
    for (int e = 0; e < 50; ++e)
        form.sequence().setCell(e % 4, e, 1);
    run(form, 20, 300, figure);
    run(form, 5, 400, figure);
    return 0;
}
