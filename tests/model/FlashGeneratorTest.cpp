#include "model/FlashGenerator.h"
#include "RowText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

using namespace zg;
using zg::test::RowText;

namespace {

std::string cellsOf(const FlashLayout& layout, LedChannel row) {
    std::string text;
    for (EventIndex e = 0; e <= layout.endEvent; ++e)
        text += layout.cells[std::size_t(row)][std::size_t(e)] ? '1' : '0';
    return text;
}

FlashSettings effect(FlashEffect which, std::array<bool, kLedCount> leds = {true, false, false, false}) {
    FlashSettings s;
    s.effect = which;
    s.leds = leds;
    return s;
}

} // namespace

// The defaults at the program's 30 ms: two flashes of 2 events with 2 between them, and a cycle of
// 33 events (0.99 s) for 60 a minute.
TEST(FlashGenerator, EachEffectAtTwoDelays) {
    const FlashLayout at30 = LayOutFlashes(effect(FlashEffect::Double), 30, kLastEvent);
    EXPECT_EQ(at30.endEvent, 32);
    EXPECT_EQ(cellsOf(at30, 0), "110011" + std::string(27, '0'));
    EXPECT_EQ(cellsOf(at30, 1), std::string(33, '0')); // a row not chosen stays dark

    struct Case {
        FlashEffect effect;
        int delay;
        std::string row0;
    };
    const Case cases[]{
        // At 50 ms a second is 20 events and a 50 ms flash one event.
        {FlashEffect::Steady, 50, std::string(20, '1')},
        {FlashEffect::Single, 50, "1" + std::string(19, '0')},
        {FlashEffect::Double, 50, "101" + std::string(17, '0')},
        {FlashEffect::Triple, 50, "10101" + std::string(15, '0')},
        {FlashEffect::Beacon, 50, std::string(10, '1') + std::string(10, '0')},
        // At 20 ms, 50 events; 2.5 events round to 3.
        {FlashEffect::Triple, 20, "111000111000111" + std::string(35, '0')},
        {FlashEffect::Beacon, 40, std::string(12, '1') + std::string(13, '0')},
    };
    for (const Case& c : cases) {
        const FlashLayout layout = LayOutFlashes(effect(c.effect), c.delay, kLastEvent);
        EXPECT_EQ(cellsOf(layout, 0), c.row0) << int(c.effect) << " at " << c.delay;
    }
    // Two lights taking turns, and three in a chase, each behind the one before it.
    const FlashLayout wigwag =
        LayOutFlashes(effect(FlashEffect::Alternate, {true, true, false, false}), 50, 0);
    EXPECT_EQ(cellsOf(wigwag, 0), "1" + std::string(19, '0'));
    EXPECT_EQ(cellsOf(wigwag, 1), std::string(10, '0') + "1" + std::string(9, '0'));
    FlashSettings chase = effect(FlashEffect::Chase, {true, false, true, true});
    chase.flashMs = 100;
    const FlashLayout chased = LayOutFlashes(chase, 50, 0);
    EXPECT_EQ(cellsOf(chased, 0).substr(0, 9), "110000000");
    EXPECT_EQ(cellsOf(chased, 2).substr(0, 9), "000110000");
    EXPECT_EQ(cellsOf(chased, 3).substr(0, 9), "000000110");
}

// An offset moves the flashes round the cycle; without fitting, the end mark stays and the
// pattern repeats every period up to it.
TEST(FlashGenerator, OffsetAndAnUnfittedCycle) {
    FlashSettings s = effect(FlashEffect::Single);
    s.offsetMs = 250;
    s.perMinute = 120;
    const FlashLayout shifted = LayOutFlashes(s, 50, kLastEvent);
    EXPECT_EQ(cellsOf(shifted, 0), "0000010000");
    s.offsetMs = 0;
    s.fitCycle = false;
    const FlashLayout repeated = LayOutFlashes(s, 50, 24);
    EXPECT_EQ(repeated.endEvent, 24);
    EXPECT_EQ(cellsOf(repeated, 0), "1000000000100000000010000");
}

// A period longer than 50 events does not fit: the nearest delay of the list at which it does is
// offered, and none when even 100 ms is too short.
TEST(FlashGenerator, APeriodThatDoesNotFitOffersTheNearestDelay) {
    FlashSettings s = effect(FlashEffect::Single);
    s.perMinute = 30; // a period of 2 s
    const FlashLayout at30 = LayOutFlashes(s, 30, kLastEvent);
    EXPECT_FALSE(at30.fits);
    EXPECT_EQ(at30.periodEvents, 67);
    EXPECT_EQ(at30.endEvent, kLastEvent);
    EXPECT_EQ(at30.fittingDelay, 40);
    EXPECT_TRUE(LayOutFlashes(s, 40, kLastEvent).fits);
    EXPECT_EQ(LayOutFlashes(s, 0, kLastEvent).fittingDelay, 40); // 0 plays at the module's fastest
    // Without the cycle fitted, the pattern repeats at the end mark instead of the period.
    s.fitCycle = false;
    EXPECT_EQ(LayOutFlashes(s, 30, kLastEvent).fittingDelay, 40);
    EXPECT_EQ(LayOutFlashes(s, 30, 24).shownPerMinute, 80.0);
    s.perMinute = 10;
    EXPECT_EQ(LayOutFlashes(s, 30, kLastEvent).fittingDelay, std::nullopt);
}

// The same seed gives the same flicker, another seed another one, and each row its own.
TEST(FlashGenerator, FlickerRepeatsForItsSeed) {
    FlashSettings s = effect(FlashEffect::Flicker, {true, true, false, false});
    const FlashLayout first = LayOutFlashes(s, 30, kLastEvent);
    EXPECT_EQ(cellsOf(LayOutFlashes(s, 30, kLastEvent), 0), cellsOf(first, 0));
    EXPECT_NE(cellsOf(first, 0), cellsOf(first, 1));
    EXPECT_NE(cellsOf(first, 0).find('1'), std::string::npos);
    EXPECT_NE(cellsOf(first, 0).find('0'), std::string::npos);
    s.seed = 2;
    EXPECT_NE(cellsOf(LayOutFlashes(s, 30, kLastEvent), 0), cellsOf(first, 0));
}

TEST(FlashGenerator, ApplyWritesTheChosenRowsAndTheEndMarkOnly) {
    LedSequence sequence;
    sequence.setCell(1, 40, 1);
    sequence.setCell(0, 45, 1);
    const FlashSettings s = effect(FlashEffect::Double);
    ApplyFlashes(s, LayOutFlashes(s, 30, kLastEvent), sequence);
    EXPECT_EQ(sequence.endEvent(), 32);
    EXPECT_EQ(RowText(sequence, 0), "110011" + std::string(44, '0'));
    EXPECT_EQ(sequence.cell(1, 40), 1);
}

namespace {
int flashesIn(const std::string& cells) {
    int runs = 0;
    for (std::size_t i = 0; i < cells.size(); ++i)
        runs += cells[i] == '1' && (i == 0 || cells[i - 1] == '0');
    return runs;
}
} // namespace

// Three 100 ms flashes with 100 ms gaps need 16 steps of 30 ms, a period at 150 a minute has 13:
// that is said, with a flash, a gap and a delay at which all three fit.
TEST(FlashGenerator, FlashesThatDoNotFitThePeriodAreSaidWithWhatWouldFit) {
    FlashSettings s = effect(FlashEffect::Triple);
    s.perMinute = 150;
    s.flashMs = 100;
    s.gapMs = 100;
    const FlashLayout tight = LayOutFlashes(s, 30, kLastEvent);
    EXPECT_FALSE(tight.flashesFit);
    EXPECT_EQ(tight.flashesNamed, 3);
    EXPECT_EQ(tight.periodEvents, 13);
    EXPECT_EQ(tight.eventsNeeded, 16);
    ASSERT_TRUE(tight.fittingFlashMs && tight.fittingGapMs && tight.fittingDelay);
    FlashSettings shorterFlash = s;
    shorterFlash.flashMs = *tight.fittingFlashMs;
    FlashSettings shorterGap = s;
    shorterGap.gapMs = *tight.fittingGapMs;
    for (const auto& [fixed, delay] :
         {std::pair{shorterFlash, 30}, {shorterGap, 30}, {s, *tight.fittingDelay}}) {
        const FlashLayout layout = LayOutFlashes(fixed, delay, kLastEvent);
        EXPECT_TRUE(layout.flashesFit) << fixed.flashMs << '/' << fixed.gapMs << " at " << delay;
        EXPECT_EQ(flashesIn(cellsOf(layout, 0)), 3) << cellsOf(layout, 0);
    }
    EXPECT_TRUE(LayOutFlashes(effect(FlashEffect::Steady), 30, kLastEvent).flashesFit);
}

namespace {
// Whether two of the rows light at the same event.
bool lightsTogether(const FlashLayout& layout) {
    for (EventIndex e = 0; e <= layout.endEvent; ++e)
        if (std::count_if(layout.cells.begin(), layout.cells.end(),
                          [e](const RowCells& row) { return row[std::size_t(e)] != 0; }) > 1)
            return true;
    return false;
}
} // namespace

// A chase holds a flash for each light, the gaps between them and a dark step after the last in
// one period; lights taking turns, which have no gap, must not overlap. Four of 300 ms with 200 ms
// gaps need 62 and 40 steps of 30 ms, a period has 33: only a shorter flash fits, or for the turns
// also a longer delay; two wig-wag lights of 16 steps hand over without a gap.
TEST(FlashGenerator, ChasingAndAlternatingLightsFitWithoutLightingTogether) {
    FlashSettings s = effect(FlashEffect::Chase, {true, true, true, true});
    s.flashMs = 300;
    s.gapMs = 200;
    for (const auto& [which, flashMs, delay] :
         {std::tuple{FlashEffect::Chase, 60, std::optional<int>{}}, {FlashEffect::Alternate, 240, 86}}) {
        s.effect = which;
        const FlashLayout tight = LayOutFlashes(s, 30, kLastEvent);
        EXPECT_TRUE(lightsTogether(tight) && !tight.flashesFit) << int(which);
        EXPECT_EQ(tight.fittingGapMs, std::nullopt);
        EXPECT_EQ(tight.fittingDelay, delay);
        ASSERT_EQ(tight.fittingFlashMs, flashMs);
        FlashSettings shorter = s;
        shorter.flashMs = flashMs;
        EXPECT_FALSE(lightsTogether(LayOutFlashes(shorter, 30, kLastEvent))) << int(which);
    }
    FlashSettings wigwag = effect(FlashEffect::Alternate, {true, true, false, false});
    wigwag.flashMs = 480;
    EXPECT_TRUE(LayOutFlashes(wigwag, 30, kLastEvent).flashesFit);

    // Without the cycle fitted, a period of 74 steps plays as the 50 up to the end mark: a chase
    // whose last light starts at step 51 would leave it dark.
    FlashSettings unfitted = effect(FlashEffect::Chase, {true, true, true, true});
    unfitted.perMinute = 30;
    unfitted.flashMs = 400;
    unfitted.gapMs = 50;
    unfitted.fitCycle = false;
    const FlashLayout cut = LayOutFlashes(unfitted, 27, kLastEvent);
    EXPECT_EQ(cut.periodEvents, 74);
    EXPECT_EQ(cut.cycleEvents, 50);
    EXPECT_FALSE(cut.flashesFit);
    ASSERT_TRUE(cut.fittingFlashMs);
    unfitted.flashMs = *cut.fittingFlashMs;
    const FlashLayout offered = LayOutFlashes(unfitted, 27, kLastEvent);
    EXPECT_TRUE(offered.flashesFit);
    for (LedChannel led = 0; led < kLedCount; ++led)
        EXPECT_NE(cellsOf(offered, led).find('1'), std::string::npos) << led;
    EXPECT_FALSE(lightsTogether(offered));
}

// At a delay of 0 no rate can be given: nothing is laid out, and a delay is proposed.
TEST(FlashGenerator, AtDelayZeroNothingIsLaidOutUntilADelayIsChosen) {
    const FlashLayout layout = LayOutFlashes(effect(FlashEffect::Double), 0, kLastEvent);
    EXPECT_TRUE(layout.needsDelay);
    EXPECT_EQ(layout.periodEvents, 0);
    EXPECT_EQ(cellsOf(layout, 0), std::string(50, '0'));
    ASSERT_TRUE(layout.fittingDelay);
    EXPECT_LE(LayOutFlashes(effect(FlashEffect::Double), *layout.fittingDelay, kLastEvent).periodEvents, 50);
}

// Without the cycle fitted, the cells after the end mark are the user's and stay.
TEST(FlashGenerator, AnUnfittedCycleLeavesTheCellsAfterTheEndMark) {
    LedSequence sequence;
    sequence.setEndEvent(9);
    sequence.setCell(0, 20, 1);
    FlashSettings s = effect(FlashEffect::Single);
    s.fitCycle = false;
    ApplyFlashes(s, LayOutFlashes(s, 30, sequence.endEvent()), sequence);
    EXPECT_EQ(RowText(sequence, 0).substr(0, 10), "1100000000");
    EXPECT_EQ(sequence.cell(0, 20), 1);
    EXPECT_EQ(sequence.endEvent(), 9);
}
