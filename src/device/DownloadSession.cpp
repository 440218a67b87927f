#include "DownloadSession.h"

#include "DownloadFrame.h"

#include <chrono>
#include <thread>

namespace zg {

namespace {
// Qt's timers wake on whole milliseconds and may be late by one; the timer hands over this much
// before the item's time, and a short sleep ends the pause on time.
constexpr auto kFineTail = std::chrono::microseconds(1500);
} // namespace

DownloadSession::DownloadSession(SerialLink& link, ValueAt valueAt, QObject* parent)
    : QObject(parent), sender_(link), valueAt_(std::move(valueAt)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &DownloadSession::sendNext);
}

void DownloadSession::start() {
    started_ = SteadyClock::now();
    if (!sender_.SendMarker()) {
        finish(sender_.Failed(0));
        return;
    }
    emit markerSent();
    sender_.PauseAfterMarker();
    scheduleNext();
}

void DownloadSession::stop() {
    if (!timer_.isActive())
        return;
    timer_.stop();
    finish(DownloadResult{DownloadStatus::Stopped, next_, {}});
}

void DownloadSession::scheduleNext() {
    const auto wait =
        std::chrono::floor<std::chrono::milliseconds>(sender_.NextItemAt() - kFineTail - SteadyClock::now());
    timer_.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds(0)));
}

void DownloadSession::sendNext() {
    std::this_thread::sleep_until(sender_.NextItemAt());
    if (!sender_.SendItem(valueAt_(next_))) {
        finish(sender_.Failed(next_));
        return;
    }
    emit itemSent(next_);
    if (++next_ == DownloadFrame::kItemCount) {
        finish(DownloadResult{DownloadStatus::Completed, DownloadFrame::kItemCount, {}});
        return;
    }
    scheduleNext();
}

void DownloadSession::finish(DownloadResult result) {
    result.elapsed = SteadyClock::now() - started_;
    emit finished(result);
}

} // namespace zg
