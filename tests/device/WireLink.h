#pragma once

#include "device/DownloadWaits.h"
#include "device/SerialLink.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zg::testing {

using Time = SteadyClock::time_point;

// 10 bits per byte at 2400 bit/s.
inline constexpr auto kByteOnWire =
    std::chrono::duration_cast<SteadyClock::duration>(std::chrono::microseconds(4167));

struct FakeClock {
    Time now{};
};

struct WireByte {
    std::uint8_t value;
    Time leftAt; // its last bit is on the wire
};

// A 2400 bit/s line behind a driver queue: written bytes leave one after the other, and waiting
// until they are sent (tcdrain) moves the clock to when the last one has left. It notes when each
// write was queued and when each wait for the drain returned.
class WireLink final : public SerialLink {
  public:
    explicit WireLink(FakeClock& clock) : clock_(clock) {}

    bool IsOpen() const override { return open_; }
    bool Open(int, std::string_view) override { return open_ = true; }
    void Close() override { open_ = false; }
    LinkError LastError() const override { return error_; }

    bool Write(std::span<const std::uint8_t> bytes) override {
        if (!open_)
            return fail(LinkErrorKind::NotOpen, "not open");
        if (writes_ == failOnWrite_)
            return fail(LinkErrorKind::Io, "Input/output error");
        ++writes_;
        queuedAt_.push_back(clock_.now);
        for (const std::uint8_t byte : bytes) {
            wireFreeAt_ = std::max(wireFreeAt_, clock_.now) + kByteOnWire;
            wire_.push_back(WireByte{byte, wireFreeAt_});
        }
        return true;
    }

    bool WaitUntilSent() override {
        clock_.now = std::max(clock_.now, wireFreeAt_);
        drainedAt_.push_back(clock_.now);
        return true;
    }

    void FailOnWrite(int index) { failOnWrite_ = index; }
    const std::vector<WireByte>& Wire() const { return wire_; }
    int Writes() const { return writes_; }
    const std::vector<Time>& QueuedAt() const { return queuedAt_; }
    const std::vector<Time>& DrainedAt() const { return drainedAt_; }

  private:
    bool fail(LinkErrorKind kind, std::string reason) {
        error_ = LinkError{kind, "/dev/ttyUSB0", std::move(reason)};
        return false;
    }

    FakeClock& clock_;
    bool open_ = true;
    int writes_ = 0;
    int failOnWrite_ = -1;
    Time wireFreeAt_{};
    std::vector<WireByte> wire_;
    std::vector<Time> queuedAt_;  // the clock at each successful Write
    std::vector<Time> drainedAt_; // the clock as each WaitUntilSent returned
    LinkError error_;
};

} // namespace zg::testing
