#include "RealTimePriority.h"

#include <pthread.h>
#include <sched.h>

namespace zg::testing {

namespace {

sched_param lowestRealTime() {
    sched_param param{};
    param.sched_priority = ::sched_get_priority_min(SCHED_FIFO);
    return param;
}

} // namespace

bool TryRealTimePriority() {
    const sched_param param = lowestRealTime();
    return ::pthread_setschedparam(::pthread_self(), SCHED_FIFO, &param) == 0;
}

bool TryRealTimePriority(pid_t pid) {
    const sched_param param = lowestRealTime();
    return pid > 0 && ::sched_setscheduler(pid, SCHED_FIFO, &param) == 0;
}

} // namespace zg::testing
