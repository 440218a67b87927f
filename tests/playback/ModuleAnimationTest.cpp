#include "playback/ModuleAnimation.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace zg;

namespace {

int loopCs(const ModuleAnimation& animation) {
    return std::accumulate(animation.frames.begin(), animation.frames.end(), 0,
                           [](int sum, const AnimationFrame& frame) { return sum + frame.delayCs; });
}

std::vector<int> delays(const ModuleAnimation& animation) {
    std::vector<int> cs;
    for (const auto& frame : animation.frames)
        cs.push_back(frame.delayCs);
    return cs;
}

} // namespace

// 25 ms a step, 48 steps: on, off, on for two steps each, then a long gap.
TEST(ModuleAnimation, EqualNeighboursAreOneFrameAndTheLoopKeepsItsLength) {
    LedSequence s;
    s.setSequencerDelay(25);
    s.setEndEvent(47);
    for (EventIndex e : {0, 1, 4, 5})
        s.setCell(2, e, 1);
    const ModuleAnimation animation = AnimateModule(s, 1);
    EXPECT_FALSE(animation.sampled);
    EXPECT_EQ(delays(animation), (std::vector<int>{5, 5, 5, 105}));
    EXPECT_TRUE(animation.frames[0].lit[2]);
    EXPECT_FALSE(animation.frames[1].lit[2]);
    EXPECT_FALSE(animation.frames[0].lit[0]);
}

TEST(ModuleAnimation, RoundingIsCarriedSoThatNoLoopDrifts) {
    LedSequence s;
    s.setSequencerDelay(33);
    s.setEndEvent(2);
    s.setCell(0, 1, 1); // three different frames of 33 ms: 3.3 hundredths each
    const ModuleAnimation animation = AnimateModule(s, 1);
    EXPECT_EQ(delays(animation), (std::vector<int>{3, 4, 3}));
    s.setEndEvent(49);
    EXPECT_EQ(loopCs(AnimateModule(s, 1)), 165); // 50 x 33 ms
}
