#include "RowText.h"
#include "model/RowTiming.h"

#include <gtest/gtest.h>

using namespace zg;
using zg::test::SetRowText;

// A run lit across the end mark and event 0 is one flash; gaps are counted round the cycle.
TEST(RowTiming, FlashesDarkGapsAndAWrappingRun) {
    LedSequence s;
    s.setEndEvent(9);
    SetRowText(s, 0, "1100000011");
    RowTiming t = TimeRow(s, 0);
    EXPECT_EQ(t.kind, RowTiming::Kind::Flashing);
    ASSERT_EQ(t.flashes.size(), 1u);
    EXPECT_EQ(t.flashes[0].start, 8);
    EXPECT_EQ(t.flashes[0].length, 4);
    EXPECT_EQ(t.longestDark, 6);
    EXPECT_EQ(t.cycleMs(), 300);

    SetRowText(s, 1, "1011100000" "1111"); // cells after the end mark are not played
    t = TimeRow(s, 1);
    ASSERT_EQ(t.flashes.size(), 2u);
    EXPECT_EQ(t.shortestFlash, 1);
    EXPECT_EQ(t.longestFlash, 3);
    EXPECT_EQ(t.longestDark, 5);

    SetRowText(s, 2, "1111111111");
    EXPECT_EQ(TimeRow(s, 2).kind, RowTiming::Kind::AlwaysOn);
    EXPECT_EQ(TimeRow(s, 3).kind, RowTiming::Kind::NeverLit);
    s.setServoMode(2, 0); // OFF: never lit, whatever the cells
    EXPECT_EQ(TimeRow(s, 2).kind, RowTiming::Kind::NeverLit);
    s.setServoMode(2, 12);
    EXPECT_EQ(TimeRow(s, 2).servoZones(), 0b1100);
    s.setServoMode(2, -1);
    EXPECT_EQ(TimeRow(s, 2).servoZones(), -1);
}
