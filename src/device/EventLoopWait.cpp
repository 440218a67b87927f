#include "EventLoopWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <thread>

namespace zg {

namespace {

using Clock = std::chrono::steady_clock;

// Qt's event loop wakes on whole milliseconds and may round up. It hands over this much before
// the deadline, and a plain sleep ends the wait on time; events are not handled for that moment.
constexpr auto kFineTail = std::chrono::microseconds(1500);

void runEventLoopFor(std::chrono::milliseconds interval) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(interval);
    loop.exec();
}

} // namespace

void EventLoopWait::Until(Clock::time_point deadline) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const auto coarse = std::chrono::floor<std::chrono::milliseconds>(deadline - kFineTail - Clock::now());
    if (coarse.count() > 0)
        runEventLoopFor(coarse);
    std::this_thread::sleep_until(deadline);
}

} // namespace zg
