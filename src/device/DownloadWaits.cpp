#include "DownloadWaits.h"

#include "EventLoopWait.h"

#include <thread>

namespace zg {

DownloadWaits DownloadWaits::System() {
    return DownloadWaits{
        [] { return SteadyClock::now(); },
        [](SteadyClock::time_point until) { std::this_thread::sleep_until(until); },
        [](SteadyClock::time_point until) { EventLoopWait::Until(until); },
    };
}

} // namespace zg
