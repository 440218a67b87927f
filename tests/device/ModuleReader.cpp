#include "ModuleReader.h"

#include "RealTimePriority.h"

#include <array>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace zg::testing {

namespace {

constexpr int kPollMs = 20; // how soon the thread notices it should stop

int openRaw(const std::string& device) {
    const int fd = ::open(device.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    termios settings{};
    if (::tcgetattr(fd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
}

} // namespace

ModuleReader::ModuleReader(const std::string& device) : fd_(openRaw(device)) {
    if (fd_ >= 0)
        thread_ = std::thread([this] { run(); });
}

ModuleReader::~ModuleReader() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    if (fd_ >= 0)
        ::close(fd_);
}

void ModuleReader::run() {
    // Notes arrivals the moment the pseudo-terminal hands them over, not when a CPU comes free.
    TryRealTimePriority();
    std::array<std::uint8_t, 256> buffer{};
    pollfd watch{fd_, POLLIN, 0};
    while (!stop_) {
        if (::poll(&watch, 1, kPollMs) <= 0)
            continue;
        const ssize_t count = ::read(fd_, buffer.data(), buffer.size());
        const auto now = std::chrono::steady_clock::now();
        if (count <= 0) {
            if (watch.revents & (POLLHUP | POLLERR))
                std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs)); // the peer is gone
            continue;
        }
        const std::lock_guard lock(mutex_);
        for (ssize_t i = 0; i < count; ++i)
            received_.push_back(TimedByte{buffer[std::size_t(i)], now});
        arrived_.notify_all();
    }
}

bool ModuleReader::WaitForBytes(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return arrived_.wait_for(lock, timeout, [&] { return received_.size() >= count; });
}

std::vector<TimedByte> ModuleReader::Received() const {
    const std::lock_guard lock(mutex_);
    return received_;
}

} // namespace zg::testing
