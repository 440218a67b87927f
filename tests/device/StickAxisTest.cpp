#include "device/StickAxis.h"
#include "device/SdlLibrary.h"

#include <gtest/gtest.h>

using namespace zg;

// The learnt range maps linearly onto the stick's 100..199, flipped by Reverse, held at the ends.
TEST(StickAxis, TheLearntRangeMapsOntoTheStick) {
    StickAxis axis;
    axis.low = -20000;
    axis.high = 20000;
    EXPECT_EQ(axis.stickValue(-20000), 100);
    EXPECT_EQ(axis.stickValue(0), 150);
    EXPECT_EQ(axis.stickValue(20000), 199);
    EXPECT_EQ(axis.stickValue(-32768), 100);
    EXPECT_EQ(axis.stickValue(32767), 199);
    axis.reverse = true;
    EXPECT_EQ(axis.stickValue(-20000), 199);
    EXPECT_EQ(axis.stickValue(20000), 100);
}

// The axis that moved most is learnt with its two ends; a little jitter is no choice.
TEST(StickAxis, LearningTakesTheAxisThatMovedMost) {
    AxisLearner learner;
    learner.sample({0, 0, 100});
    learner.sample({300, 0, -200});
    EXPECT_EQ(learner.learnt(), std::nullopt);
    learner.sample({300, 25000, 0});
    learner.sample({0, -18000, 9000});
    const auto learnt = learner.learnt();
    ASSERT_TRUE(learnt);
    EXPECT_EQ(learnt->first, 1);
    EXPECT_EQ(learnt->second, (std::pair{-18000, 25000}));
}

// SDL2 is loaded by the name each system gives its runtime library: the one here loads.
TEST(SdlLibrary, EachSystemsNameAndThisOneLoads) {
    EXPECT_EQ(SdlLibraryFile(Platform::Windows), "SDL2.dll");
    EXPECT_EQ(SdlLibraryFile(Platform::MacOS), "libSDL2-2.0.0.dylib");
    EXPECT_EQ(SdlLibraryFile(Platform::Linux), "libSDL2-2.0.so.0");
    SdlLibrary sdl;
    EXPECT_EQ(sdl.load(), std::nullopt);
}
