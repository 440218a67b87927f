#include "DownloadWaits.h"

#include <thread>

namespace zg {

DownloadWaits DownloadWaits::System() {
    return DownloadWaits{
        [] { return SteadyClock::now(); },
        [](SteadyClock::time_point until) { std::this_thread::sleep_until(until); },
        // A program with a window sends through DownloadSession, whose waits are timers.
        [](SteadyClock::time_point until) { std::this_thread::sleep_until(until); },
    };
}

} // namespace zg
