// Plays the on-screen test offscreen and prints how closely each step keeps to the test speed,
// and what the playback costs in processor time.
#include "BenchFigures.h"
#include "BenchWindow.h"
#include "app/Application.h"
#include "ui/common/UserDialogs.h"
#include "ui/modelview/ModelCommands.h"
#include "ui/window/MainWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Round {
    double median = 0;   // ms
    double p99 = 0;      // ms
    double cpuShare = 0; // % of wall
};

Round play(zg::MainWindow& form, int testSpeed, int steps) {
    form.sequence().setTestSpeed(static_cast<std::int16_t>(testSpeed));
    std::vector<Clock::time_point> ticks;
    ticks.reserve(std::size_t(steps));
    auto* timer = form.findChild<QTimer*>(QStringLiteral("Timer1"));
    // Connected after the player's own handler: each tick here comes once the player has stepped.
    const auto connection = QObject::connect(timer, &QTimer::timeout, &form, [&] {
        ticks.push_back(Clock::now());
        if (int(ticks.size()) == steps)
            form.toggleTest(); // the second press stops the test at the next tick
        else if (!form.testActive())
            QCoreApplication::quit();
    });
    const auto wallStart = Clock::now();
    const std::clock_t cpuStart = std::clock();
    form.toggleTest();
    // The test plays on its timer; the application's own event loop idles in between, woken by
    // nothing else.
    QCoreApplication::exec();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wall = std::chrono::duration<double>(Clock::now() - wallStart).count();
    QObject::disconnect(connection);

    std::vector<double> periods;
    for (std::size_t i = 1; i < ticks.size(); ++i)
        periods.push_back(std::chrono::duration<double, std::milli>(ticks[i] - ticks[i - 1]).count());
    std::sort(periods.begin(), periods.end());
    const Round round{periods[periods.size() / 2],
                      periods[std::min(periods.size() - 1, periods.size() * 99 / 100)], 100.0 * cpu / wall};
    std::printf(
        "TestSpeed %3d ms, %d steps: median %.2f ms (%.3f x), p99 %.2f ms (%.3f x), cpu %.2f %% of wall\n",
        testSpeed, steps, round.median, round.median / testSpeed, round.p99, round.p99 / testSpeed,
        round.cpuShare);
    return round;
}

// A busy machine's wake-ups swing one round's processor time by a third: each figure is the median
// of several rounds.
void run(zg::MainWindow& form, int testSpeed, int steps, int rounds, const FigurePrinter& figure) {
    std::vector<double> medians, p99s, cpuShares;
    for (int i = 0; i < rounds; ++i) {
        const Round round = play(form, testSpeed, steps);
        medians.push_back(round.median);
        p99s.push_back(round.p99);
        cpuShares.push_back(round.cpuShare);
    }
    const std::string prefix = "playback." + std::to_string(testSpeed) + "ms.";
    figure((prefix + "median_ratio").c_str(), MedianOf(medians) / testSpeed, "x");
    figure((prefix + "p99_ratio").c_str(), MedianOf(p99s) / testSpeed, "x");
    figure((prefix + "cpu_share").c_str(), MedianOf(cpuShares), "%");
    figure("playback.rounds", rounds, "");
}

// Lets a window just shown be laid out and painted whole, so that a round measures the steps only.
void settle() {
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 300)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The same test at 5 ms with the model view closed and open, round for round in turns, so that a
// busy spell of the machine weighs on both alike: the processor time the view adds.
void runWithModelView(zg::MainWindow& form, int rounds, const FigurePrinter& figure) {
    auto* models = form.findChild<zg::ModelCommands*>();
    std::vector<double> closed, open;
    for (int i = 0; i < rounds; ++i) {
        models->setViewShown(false);
        settle();
        closed.push_back(play(form, 5, 400).cpuShare);
        models->setViewShown(true);
        settle();
        open.push_back(play(form, 5, 400).cpuShare);
    }
    models->setViewShown(false);
    figure("playback.5ms.model_view_cpu_share", MedianOf(open), "%");
    figure("playback.5ms.model_view_cpu_ratio", MedianOf(open) / MedianOf(closed), "x");
}

// "--model-view open" or "closed": one test at 5 ms with the view so, for a count of instructions
// (scripts/bench runs it under callgrind, which counts the same for the same work however busy the
// machine is).
std::optional<bool> takeModelViewFlag(int& argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--model-view") == 0) {
            const bool open = std::strcmp(argv[i + 1], "open") == 0;
            std::copy(argv + i + 2, argv + argc, argv + i);
            argc -= 2;
            return open;
        }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    const std::optional<bool> modelViewOnly = takeModelViewFlag(argc, argv);
    // The model view keeps its model and its place for the user: here in folders of the bench's own.
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    BenchWindow window(argc, argv);
    zg::MainWindow& form = window.form();
    // A busy pattern, so that every step really changes the indicators.
    for (int e = 0; e < 50; ++e)
        form.sequence().setCell(e % 4, e, 1);
    if (modelViewOnly) {
        form.findChild<zg::ModelCommands*>()->setViewShown(*modelViewOnly);
        settle();
        play(form, 5, 400);
        return 0;
    }
    const int rounds = std::max(1, qEnvironmentVariableIntValue("ZG_BENCH_PLAYBACK_RUNS"));
    run(form, 20, 150, rounds, figure);
    run(form, 5, 400, rounds, figure);
    runWithModelView(form, rounds, figure);
    return 0;
}
