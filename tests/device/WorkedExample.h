#pragma once

#include "HandWrittenStream.h"
#include "model/LedSequence.h"

#include <cstdint>
#include <vector>

namespace zg::testing {

// The download's worked example: LED #1 on at events 0 and 2, LED #2 at events 1 and 2,
// EndEvent 3, LED #2 in mode "|* * - -|" (3), LED #3 "OFF" (0), the others "NONE".
inline void SetWorkedExample(LedSequence& sequence) {
    sequence.setCell(0, 0, 1);
    sequence.setCell(0, 2, 1);
    sequence.setCell(1, 1, 1);
    sequence.setCell(1, 2, 1);
    sequence.setEndEvent(3);
    sequence.setServoMode(1, 3);
    sequence.setServoMode(2, 0);
}

// Its stream with SequencerDelay 30, written out by hand.
inline std::vector<std::uint8_t> WorkedExampleStream() {
    return HandWrittenStream(
        Joined({{0x01, 0x02, 0x03}, Repeated(0x00, 47), {0x0F, 0x03, 0x00, 0x0F, 0x1E, 0x03}}));
}

} // namespace zg::testing
