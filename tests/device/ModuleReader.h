#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zg::testing {

struct TimedByte {
    std::uint8_t value = 0;
    std::chrono::steady_clock::time_point at; // when the reader got it
};

// Stands in for the module: reads the far end of the cable in raw mode on its own thread and
// notes when each byte arrived. The thread runs at real-time priority where the system allows it.
class ModuleReader {
  public:
    // Opens `device` and starts reading; Ready() tells whether the device could be opened.
    explicit ModuleReader(const std::string& device);
    ~ModuleReader();
    ModuleReader(const ModuleReader&) = delete;
    ModuleReader& operator=(const ModuleReader&) = delete;

    bool Ready() const { return fd_ >= 0; }

    // Waits until `count` bytes have arrived or `timeout` has passed; true when they did.
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds timeout);

    std::vector<TimedByte> Received() const;

  private:
    void run();

    int fd_ = -1;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<TimedByte> received_;
    std::thread thread_;
};

} // namespace zg::testing
