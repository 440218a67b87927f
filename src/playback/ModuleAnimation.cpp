#include "ModuleAnimation.h"

#include "TestStep.h"

#include <algorithm>
#include <cmath>

namespace zg {

namespace {

constexpr double kShortestFrameMs = 10.0 * kShortestFrameCs;

std::array<bool, kLedCount> litAt(const LedSequence& sequence, EventIndex e, int servoZoneMask) {
    std::array<bool, kLedCount> lit{};
    for (LedChannel led = 0; led < kLedCount; ++led)
        lit[std::size_t(led)] = LedLit(sequence.cell(led, e), sequence.servoMode(led), servoZoneMask);
    return lit;
}

// The hundredths from the loop's start to `ms`, rounded: each frame takes the difference of its
// end's and its start's, so that rounding never adds up.
int centiseconds(double ms) {
    return int(std::lround(ms / 10.0));
}

int delayMsOf(const LedSequence& sequence) {
    return std::max<int>(1, sequence.sequencerDelay());
}

} // namespace

bool SamplesTheModule(const LedSequence& sequence) {
    return delayMsOf(sequence) < kShortestFrameMs;
}

ModuleAnimation AnimateModule(const LedSequence& sequence, int servoZoneMask) {
    const int delayMs = delayMsOf(sequence);
    const int events = sequence.endEvent() + 1;
    const double loopMs = double(events) * delayMs;
    ModuleAnimation animation;
    animation.sampled = SamplesTheModule(sequence);
    // Frames of at least 20 ms: the events themselves, or samples of them spread evenly over the loop.
    const int frames = animation.sampled ? std::max(1, int(loopMs / kShortestFrameMs)) : events;
    const double frameMs = loopMs / frames;
    double end = 0;
    for (int k = 0; k < frames; ++k) {
        const double start = end;
        end = k + 1 == frames ? loopMs : (k + 1) * frameMs;
        const auto lit = litAt(sequence, EventIndex(start / delayMs), servoZoneMask);
        if (!animation.frames.empty() && animation.frames.back().lit == lit)
            animation.frames.back().delayCs += centiseconds(end) - centiseconds(start);
        else
            animation.frames.push_back({lit, centiseconds(end) - centiseconds(start)});
    }
    for (AnimationFrame& frame : animation.frames) // a loop shorter than 20 ms in all
        frame.delayCs = std::max(frame.delayCs, kShortestFrameCs);
    return animation;
}

} // namespace zg
