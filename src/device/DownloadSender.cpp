#include "DownloadSender.h"

#include "DownloadFrame.h"

namespace zg {

namespace {

// Clears the busy flag however the transfer ends, also when a callback throws.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
};

} // namespace

DownloadSender::DownloadSender(SerialLink& link, DownloadWaits waits)
    : link_(link), waits_(std::move(waits)) {}

DownloadResult DownloadSender::Send(const DownloadCallbacks& callbacks) {
    if (busy_)
        return DownloadResult{DownloadStatus::AlreadyRunning, 0, {}};
    const BusyScope scope(busy_);
    return transfer(callbacks);
}

DownloadResult DownloadSender::transfer(const DownloadCallbacks& callbacks) {
    if (!SendMarker())
        return failed(0);
    if (callbacks.markerSent)
        callbacks.markerSent();
    PauseAfterMarker();
    for (int item = 0; item < DownloadFrame::kItemCount; ++item) {
        pauseYielding(NextItemAt());
        if (!SendItem(callbacks.valueAt(item)))
            return failed(item);
        if (callbacks.itemSent)
            callbacks.itemSent(item);
    }
    return DownloadResult{DownloadStatus::Completed, DownloadFrame::kItemCount, {}};
}

bool DownloadSender::SendMarker() {
    if (!sendNow(DownloadFrame::kStartMarker))
        return false;
    lastSent_ = waits_.now();
    return true;
}

// The module needs the half second undisturbed; the first item's own pause counts from its end.
void DownloadSender::PauseAfterMarker() {
    pauseBlocking(lastSent_, kMarkerPause);
    lastSent_ = waits_.now();
}

SteadyClock::time_point DownloadSender::NextItemAt() const {
    return lastSent_ + kItemPause + kFarEndGuard;
}

bool DownloadSender::SendItem(std::uint8_t value) {
    if (!sendNow(DownloadFrame::ItemBytes(value)))
        return false;
    lastSent_ = waits_.now();
    return true;
}

bool DownloadSender::sendNow(std::span<const std::uint8_t> bytes) {
    return link_.Write(bytes) && link_.WaitUntilSent();
}

void DownloadSender::pauseBlocking(SteadyClock::time_point from, SteadyClock::duration length) const {
    const auto until = from + length + kFarEndGuard;
    while (waits_.now() < until)
        waits_.sleepUntil(until);
}

void DownloadSender::pauseYielding(SteadyClock::time_point until) const {
    // Events are handled at least once per item, even when sending took longer than the pause.
    do
        waits_.yieldUntil(until);
    while (waits_.now() < until);
}

DownloadResult DownloadSender::failed(int itemsSent) const {
    return DownloadResult{DownloadStatus::Failed, itemsSent, link_.LastError()};
}

} // namespace zg
