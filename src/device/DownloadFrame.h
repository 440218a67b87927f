#pragma once

#include "model/LedSequence.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zg {

// The 56 values the module receives, each as the value byte followed by CR LF, after the start
// marker "*" CR LF. The module finds the items by counting bytes, so values 13 and 10 go unescaped.
class DownloadFrame {
  public:
    static constexpr int kItemCount = 56;
    static constexpr int kFirstServoItem = 50;
    static constexpr int kDelayItem = 54;
    static constexpr int kEndEventItem = 55;
    static constexpr std::array<std::uint8_t, 3> kStartMarker{0x2A, 0x0D, 0x0A};
    static constexpr std::size_t kItemSize = 3;
    static constexpr std::size_t kStreamSize = kStartMarker.size() + kItemCount * kItemSize;

    using Item = std::array<std::uint8_t, kItemSize>;

    // Value `item` (0..55): the 50 event values, the servo modes of LED #1..#4, SequencerDelay and
    // EndEvent. A servo mode of -1 goes out as 15: the on-screen test treats it like "NONE". A
    // value that does not fit a byte keeps its low eight bits. Items outside 0..55 are 0.
    static std::uint8_t Value(const LedSequence& sequence, int item);

    static Item ItemBytes(std::uint8_t value) { return {value, 0x0D, 0x0A}; }

    // The whole stream as it leaves the program: start marker and the 56 items.
    static std::vector<std::uint8_t> Stream(const LedSequence& sequence);

    // Reads value `item` from the sequence as it is when it is called, so a download sends what
    // the user sees at each item's turn. The sequence must outlive the function.
    static std::function<std::uint8_t(int item)> LiveValues(const LedSequence& sequence);

    // The 56 values as they are now. The window sends these: the module must get one pattern,
    // the one the user confirmed, whatever is edited, cleared or opened while it is sent.
    static std::function<std::uint8_t(int item)> ValuesNow(const LedSequence& sequence);
};

} // namespace zg
