#pragma once

#include "ModuleReader.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace zg::testing {

// One item as the module got it: value byte and trailer, with the arrival of its first and last byte.
struct ReceivedItem {
    std::uint8_t value = 0;
    bool trailerIsCrLf = false;
    std::chrono::steady_clock::time_point firstAt;
    std::chrono::steady_clock::time_point lastAt;
};

// The stream read back the way the module reads it: a start marker, then three bytes per item,
// found by counting bytes.
struct ReceivedDownload {
    std::vector<std::uint8_t> bytes;
    bool startsWithMarker = false;
    std::chrono::steady_clock::time_point markerEndAt;
    std::vector<ReceivedItem> items; // complete items only

    static ReceivedDownload Decode(const std::vector<TimedByte>& received);

    // The quiet time before each item: before item 0 from the marker's last byte, before item k
    // from the last byte of item k - 1.
    std::vector<std::chrono::duration<double>> Pauses() const;
    // From the marker's last byte to item 0's first byte.
    std::chrono::duration<double> MarkerToFirstItem() const;
    // The shortest quiet time between the last byte of an item and the first byte of the next.
    std::chrono::duration<double> SmallestItemGap() const;
    // From the marker's last byte to the first byte of the last item received.
    std::chrono::duration<double> MarkerToLastItem() const;
    // The items whose first byte came sooner than the pacing allows: 0.55 s after the marker was
    // written, then 0.05 s more for each item. `markerNotYetWritten` is a time taken before the
    // marker went out, so that a reader woken late can make an item look later, never sooner: the
    // check holds on a busy machine, where the pauses between arrivals do not.
    std::vector<std::size_t> ItemsAheadOfPacing(std::chrono::steady_clock::time_point markerNotYetWritten) const;
};

} // namespace zg::testing
