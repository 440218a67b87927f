#pragma once

#include "DownloadResult.h"
#include "DownloadWaits.h"
#include "SerialLink.h"

#include <cstdint>
#include <functional>
#include <span>

namespace zg {

// What the window hands to one download.
struct DownloadCallbacks {
    // Value of item k (0..55), asked at the item's turn, so that an edit made during the download
    // changes the items not yet sent. DownloadFrame::ValuesNow and
    // DownloadFrame::LiveValues give the two usual ones.
    std::function<std::uint8_t(int item)> valueAt;
    // Optional: the start marker has left; the half-second pause follows.
    std::function<void()> markerSent;
    // Optional: item k has left (progress k after item k).
    std::function<void(int item)> itemSent;
};

// Sends the start marker and the 56 items over an open link, paced the way the module needs:
// at least 0.5 s after the marker without handling window events, then at least 0.05 s before
// each item, waiting as `waits` says. The pauses run from the moment the earlier bytes actually left
// the machine, so that they hold at the far end of the cable.
class DownloadSender {
  public:
    static constexpr auto kMarkerPause = std::chrono::milliseconds(500);
    static constexpr auto kItemPause = std::chrono::milliseconds(50);
    // Added to every pause: the driver's word that the bytes are gone and the far end seeing them
    // can differ by a fraction of a millisecond (USB frames, pseudo-terminal hops). Measured at the
    // far end of a pty the pauses still come out 0.3 ms over their minimum, while 57 guards add
    // under 0.6 % to the 3.3 s transfer.
    static constexpr auto kFarEndGuard = std::chrono::microseconds(300);

    explicit DownloadSender(SerialLink& link, DownloadWaits waits = DownloadWaits::System());

    // Runs the whole transfer. Stops at the first failure of the link. A call made while a
    // transfer runs (from a callback) does nothing.
    DownloadResult Send(const DownloadCallbacks& callbacks);

    bool IsBusy() const { return busy_; }

    // The same transfer a step at a time, for a caller that waits on timers instead: the marker,
    // the half-second pause (blocking), then each item no earlier than NextItemAt(). False when
    // the link failed; Failed() says how.
    bool SendMarker();
    void PauseAfterMarker();
    SteadyClock::time_point NextItemAt() const;
    bool SendItem(std::uint8_t value);
    DownloadResult Failed(int itemsSent) const { return failed(itemsSent); }

  private:
    DownloadResult transfer(const DownloadCallbacks& callbacks);
    bool sendNow(std::span<const std::uint8_t> bytes);
    void pauseBlocking(SteadyClock::time_point from, SteadyClock::duration length) const;
    void pauseYielding(SteadyClock::time_point until) const;
    DownloadResult failed(int itemsSent) const;

    SerialLink& link_;
    const DownloadWaits waits_;
    bool busy_ = false;
    SteadyClock::time_point lastSent_; // when the bytes sent last had left the machine
};

} // namespace zg
