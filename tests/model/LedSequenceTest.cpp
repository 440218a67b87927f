#include "model/LedSequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zg;

namespace {

// Keeps every notification, so that tests can see what the window would be told.
struct Recorder : LedSequenceObserver {
    std::vector<std::string> log;
    void cellChanged(LedChannel c, EventIndex e, int s) override {
        log.push_back("cell " + std::to_string(c) + "," + std::to_string(e) + "=" + std::to_string(s));
    }
    void eventValueChanged(EventIndex e, const std::string& t) override {
        log.push_back("value " + std::to_string(e) + "=" + t);
    }
    void endEventChanged(EventIndex p, EventIndex c) override {
        log.push_back("end " + std::to_string(p) + "->" + std::to_string(c));
    }
    void ledColorChanged(int s, LedColor c) override {
        log.push_back("color " + std::to_string(s) + "=" + std::to_string(c));
    }
    void servoModeChanged(LedChannel c, ServoControlMode m) override {
        log.push_back("mode " + std::to_string(c) + "=" + std::to_string(m));
    }
};

int sumOfCells(const LedSequence& s, EventIndex e) {
    return s.cell(0, e) + 2 * s.cell(1, e) + 4 * s.cell(2, e) + 8 * s.cell(3, e);
}

} // namespace

TEST(LedSequence, StartsEmptyWhiteAndUncontrolledWithTheMarkOnTheLastEvent) {
    const LedSequence s;
    for (EventIndex e = 0; e < kEventCount; ++e) {
        EXPECT_EQ(s.eventValueText(e), "0");
        for (LedChannel c = 0; c < kLedCount; ++c)
            EXPECT_EQ(s.cell(c, e), 0);
    }
    EXPECT_EQ(s.endEvent(), 49);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(s.ledColor(slot), 7);
    for (int slot = 4; slot < 8; ++slot)
        EXPECT_EQ(s.ledColor(slot), 0);
    for (LedChannel c = 0; c < kLedCount; ++c)
        EXPECT_EQ(s.servoMode(c), 15);
    EXPECT_EQ(s.testSpeed(), 20);
    EXPECT_EQ(s.sequencerDelay(), 30);
}

TEST(LedSequence, EventValueFollowsItsFourCellsOnly) {
    LedSequence s;
    s.setCell(0, 7, 1);
    s.setCell(3, 7, 1);
    EXPECT_EQ(s.eventValueText(7), "9");
    s.setCell(0, 7, 0);
    EXPECT_EQ(s.eventValueText(7), "8");
    EXPECT_EQ(s.eventValue(7), 8);
    for (EventIndex e = 0; e < kEventCount; ++e) {
        if (e != 7) {
            EXPECT_EQ(s.eventValueText(e), "0") << e;
        }
    }
    // Every combination of the four cells gives the sum of their weights.
    for (int pattern = 0; pattern < 16; ++pattern) {
        for (LedChannel c = 0; c < kLedCount; ++c)
            s.setCell(c, 20, (pattern >> c) & 1);
        EXPECT_EQ(s.eventValue(20), pattern);
        EXPECT_EQ(s.eventValue(20), sumOfCells(s, 20));
    }
}

TEST(LedSequence, SettingACellToItsOwnStateChangesNothing) {
    LedSequence s;
    Recorder r;
    s.setCell(1, 3, 1);
    s.setObserver(&r);
    s.setCell(1, 3, 1);
    s.setCell(1, 4, 0);
    EXPECT_TRUE(r.log.empty());
    s.setCell(1, 3, 5); // any non-zero state means "on": the grid holds only 0 and 1
    EXPECT_EQ(s.cell(1, 3), 1);
    EXPECT_TRUE(r.log.empty());
}

TEST(LedSequence, ReportsEachChangeSoTheWindowCanFollow) {
    LedSequence s;
    Recorder r;
    s.setObserver(&r);
    s.setCell(2, 10, 1);
    s.setEndEvent(0);
    s.setLedColor(1, 2);
    s.setServoMode(3, -1);
    EXPECT_EQ(r.log,
              (std::vector<std::string>{"cell 2,10=1", "value 10=4", "end 49->0", "color 1=2", "mode 3=-1"}));
}

TEST(LedSequence, StoredEventValueStaysUntilACellOfThatEventChanges) {
    LedSequence s;
    s.setEventValue(5, "12");
    EXPECT_EQ(s.eventValue(5), 12);
    EXPECT_EQ(s.cell(2, 5), 0);
    s.setCell(0, 5, 1);
    EXPECT_EQ(s.eventValueText(5), "1");
}

TEST(LedSequence, RefusesValuesOutsideItsInvariants) {
    LedSequence s;
    s.setEndEvent(50);
    s.setEndEvent(-1);
    EXPECT_EQ(s.endEvent(), 49);
    s.setEndEvent(0); // a sequence of a single event is valid
    EXPECT_EQ(s.endEvent(), 0);
    s.setLedColor(0, 8);
    s.setLedColor(3, -1);
    EXPECT_EQ(s.ledColor(0), 7);
    EXPECT_EQ(s.ledColor(3), 7);
    s.setLedColor(6, 1234); // the spare slots carry whatever a data file brought
    EXPECT_EQ(s.ledColor(6), 1234);
    s.setServoMode(0, 16);
    s.setServoMode(0, -2);
    EXPECT_EQ(s.servoMode(0), 15);
    s.setCell(4, 0, 1);
    s.setCell(0, 50, 1);
    EXPECT_EQ(s.eventValue(49), 0);
}

TEST(LedSequence, ResetKeepsSpareColourSlotsAndClearsEverythingElse) {
    LedSequence s;
    for (LedChannel c = 0; c < kLedCount; ++c) {
        s.setCell(c, 3 * c + 1, 1);
        s.setLedColor(c, c);
        s.setServoMode(c, c + 1);
    }
    s.setLedColor(5, 3);
    s.setEndEvent(20);
    s.setEventValue(40, "11");
    s.setTestSpeed(44); // the speeds stay through New/Clear
    s.setSequencerDelay(9);
    s.resetSequence();
    for (EventIndex e = 0; e < kEventCount; ++e) {
        EXPECT_EQ(s.eventValueText(e), "0");
        for (LedChannel c = 0; c < kLedCount; ++c)
            EXPECT_EQ(s.cell(c, e), 0);
    }
    for (LedChannel c = 0; c < kLedCount; ++c) {
        EXPECT_EQ(s.ledColor(c), 7);
        EXPECT_EQ(s.servoMode(c), 15);
    }
    EXPECT_EQ(s.endEvent(), 49);
    EXPECT_EQ(s.testSpeed(), 44);
    EXPECT_EQ(s.sequencerDelay(), 9);
    EXPECT_EQ(s.ledColor(5), 3);
}
