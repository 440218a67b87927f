#include "FirstShownProbe.h"

#include "BenchFigures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace zg::bench {

namespace {

std::optional<double> startedAt; // seconds since the epoch
bool printTsv = false;

double clockSeconds(clockid_t clock) {
    timespec now{};
    ::clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Field 22 of /proc/self/stat: the start in clock ticks after boot.
double secondsSinceKernelStart() {
    std::ifstream stat("/proc/self/stat");
    const std::string text{std::istreambuf_iterator<char>(stat), {}};
    std::istringstream fields(text.substr(text.rfind(')') + 1));
    std::string field;
    for (int number = 3; number <= 22; ++number)
        fields >> field;
    return clockSeconds(CLOCK_BOOTTIME) -
           std::strtod(field.c_str(), nullptr) / double(::sysconf(_SC_CLK_TCK));
}

double secondsSinceStart() {
    return startedAt ? clockSeconds(CLOCK_REALTIME) - *startedAt : secondsSinceKernelStart();
}

long peakRssKiB() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

[[noreturn]] void reportAndEnd() {
    const double ms = secondsSinceStart() * 1000.0;
    const long rss = peakRssKiB();
    std::printf("first window shown after %.1f ms, peak RSS %ld KiB\n", ms, rss);
    const FigurePrinter figure{printTsv};
    figure("startup.first_shown", ms, "ms");
    figure("startup.peak_rss", double(rss), "KiB");
    std::fflush(stdout);
    std::_Exit(0); // tearing the program down is no part of its start
}

class FirstShownWatcher : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            seen_ = true;
            // The window paints while it handles this event: report once that is over.
            QTimer::singleShot(0, this, reportAndEnd);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

// Runs as the application object is made, whoever makes it.
void watchForFirstShownWindow() {
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new FirstShownWatcher(app));
}

} // namespace

void TakeProbeArguments(int& argc, char** argv) {
    printTsv = TakeTsvFlag(argc, argv);
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--started-at" && i + 1 < argc) {
            std::string text = argv[++i];
            std::replace(text.begin(), text.end(), ',', '.'); // $EPOCHREALTIME follows the locale
            startedAt = std::strtod(text.c_str(), nullptr);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    qAddPreRoutine(watchForFirstShownWindow);
}

} // namespace zg::bench
