#pragma once

#include <sys/types.h>

namespace zg::testing {

// Moves the calling thread, or process `pid`, into the real-time class SCHED_FIFO at its lowest
// priority: it then runs as soon as it is woken, ahead of every ordinary thread. The stand-in
// module uses this so that the moment it notes a byte's arrival is not pushed back by whatever
// else the machine runs. Only possible where the system allows it (root, CAP_SYS_NICE or an
// RLIMIT_RTPRIO); elsewhere nothing changes and false is returned. Meant for threads that block
// between short bursts of work, never for one that could spin.
bool TryRealTimePriority();
bool TryRealTimePriority(pid_t pid);

} // namespace zg::testing
