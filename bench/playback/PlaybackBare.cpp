// The yardstick of the test playback's processor time: a bare Qt window whose precise single-shot
// timer, restarted at every tick like the test's, repaints two small opaque widgets per tick. On a
// virtual machine the wake-up alone can cost more than the test's own work; this shows how much.
#include "BenchFigures.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

class Light : public QWidget {
  public:
    explicit Light(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    void toggle() {
        lit_ = !lit_;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), lit_ ? Qt::red : Qt::black); }

  private:
    bool lit_ = false;
};

// The processor time of `ticks` ticks of `intervalMs`, as a share of the wall time they took.
double cpuShare(std::array<Light*, 2> lights, int intervalMs, int ticks) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    int ticked = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        for (Light* light : lights)
            light->toggle();
        if (++ticked == ticks)
            QCoreApplication::quit();
        else
            timer.start();
    });
    const auto wallStart = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    timer.start();
    QCoreApplication::exec();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return 100.0 * cpu / std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
}

} // namespace

int main(int argc, char** argv) {
    const FigurePrinter figure{TakeTsvFlag(argc, argv)};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(640, 255);
    std::array<Light*, 2> lights{new Light(&window), new Light(&window)};
    lights[0]->setGeometry(80, 24, 17, 17);
    lights[1]->setGeometry(80, 48, 17, 17);
    window.show();
    const int rounds = std::max(1, qEnvironmentVariableIntValue("ZG_BENCH_PLAYBACK_RUNS"));
    std::vector<double> shares;
    for (int i = 0; i < rounds; ++i) {
        shares.push_back(cpuShare(lights, 5, 400));
        std::printf("bare Qt timer, 5 ms, 400 ticks, two repaints each: cpu %.2f %% of wall\n",
                    shares.back());
    }
    figure("playback.bare_5ms.cpu_share", MedianOf(shares), "%");
    return 0;
}
