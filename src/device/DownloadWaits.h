#pragma once

#include <chrono>
#include <functional>

namespace zg {

using SteadyClock = std::chrono::steady_clock;

// The clock and the two kinds of waiting the download needs, passed in so that its pacing can be
// checked without a window, a port or real time going by.
struct DownloadWaits {
    // A monotonic clock: a pause that spans midnight or a change of the system time still lasts.
    std::function<SteadyClock::time_point()> now;
    // Blocks until the given time; handles no window events.
    std::function<void(SteadyClock::time_point)> sleepUntil;
    // Handles the pending window events at least once, then keeps handling them until the time.
    std::function<void(SteadyClock::time_point)> yieldUntil;

    // steady_clock and std::this_thread::sleep_until for both waits: for a caller without
    // window events to handle (the window's download waits on timers, DownloadSession).
    static DownloadWaits System();
};

} // namespace zg
