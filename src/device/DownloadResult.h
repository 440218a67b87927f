#pragma once

#include "LinkError.h"

#include <chrono>

namespace zg {

enum class DownloadStatus {
    Completed,      // all 56 items have left the machine
    AlreadyRunning, // another download was under way; this one did nothing
    Failed,         // the link failed; `itemsSent` items had left before it did
    Stopped,        // the user stopped it between two items; `itemsSent` items had left whole
};

struct DownloadResult {
    DownloadStatus status = DownloadStatus::Completed;
    int itemsSent = 0;
    LinkError error;                               // the link's failure, when Failed
    std::chrono::steady_clock::duration elapsed{}; // from the marker to the end, as the user waited

    bool completed() const { return status == DownloadStatus::Completed; }
};

} // namespace zg
