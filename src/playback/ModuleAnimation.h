#pragma once

#include "model/LedSequence.h"

#include <array>
#include <vector>

namespace zg {

// One picture of an animation of what the module shows, and how long it stays, in hundredths of
// a second as GIF keeps delays.
struct AnimationFrame {
    std::array<bool, kLedCount> lit{};
    int delayCs = 0;
};

struct ModuleAnimation {
    std::vector<AnimationFrame> frames;
    // The sequencer delay is under 20 ms, so the frames sample the module every 20 ms at least and
    // a flash shorter than that may not show.
    bool sampled = false;
};

// Shortest frame delay: many viewers show anything shorter as a tenth of a second.
inline constexpr int kShortestFrameCs = 2;

// Whether an animation of the sequence samples the module (its delay is under 20 ms).
bool SamplesTheModule(const LedSequence& sequence);

// One loop of what the module shows with the stick in the zones of `servoZoneMask`: events 0 to the
// end mark, one every SequencerDelay ms (1 ms for a delay under 1). Neighbouring frames that look
// the same are one, and the rounding to hundredths is carried from frame to frame, so that the loop
// lasts (end mark + 1) x SequencerDelay within 10 ms. No frame is shorter than 20 ms.
ModuleAnimation AnimateModule(const LedSequence& sequence, int servoZoneMask);

} // namespace zg
