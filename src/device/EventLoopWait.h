#pragma once

#include <chrono>

namespace zg {

// Waits while the window keeps handling its events, without burning CPU.
class EventLoopWait {
  public:
    // Handles the pending events at least once, then runs an event loop until `deadline`.
    // Returns no earlier than the deadline, also when somebody quits the event loops meanwhile.
    static void Until(std::chrono::steady_clock::time_point deadline);
};

} // namespace zg
