#include "model/DocumentSnapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zg;

namespace {

struct ValueRecorder : LedSequenceObserver {
    std::vector<std::string> log;
    void cellChanged(LedChannel, EventIndex, int) override { log.emplace_back("cell"); }
    void eventValueChanged(EventIndex e, const std::string& t) override {
        log.push_back(std::to_string(e) + "=" + t);
    }
    void ledColorChanged(int, LedColor c) override { log.push_back("color " + std::to_string(c)); }
};

// As Open can leave a document: events 3 and 4 hold texts that their cells do not make.
DocumentSnapshot opened() {
    LedSequence s;
    s.setCell(0, 3, 1);
    s.setEventValue(3, "12");
    s.setEventValue(4, "7");
    s.setEndEvent(20);
    s.setLedColor(6, 99);
    s.setServoMode(3, -1);
    s.setTestSpeed(55);
    s.setSequencerDelay(60);
    return TakeSnapshot(s);
}

} // namespace

TEST(DocumentSnapshot, RestoreBringsBackEveryFieldAndTheStoredTexts) {
    LedSequence s;
    s.setCell(1, 3, 1); // LED #2 must go off and LED #1 come on, yet "12" must stay
    s.setEventValue(3, "12");
    s.setCell(3, 40, 1);
    const AppliedSpeeds speeds = RestoreSnapshot(opened(), s);
    EXPECT_EQ(TakeSnapshot(s), opened());
    EXPECT_TRUE(speeds.TestSpeed && speeds.SequencerDelay);
}

TEST(DocumentSnapshot, RestoreTellsTheObserverOnlyOfWhatChanges) {
    LedSequence s;
    RestoreSnapshot(opened(), s);
    s.setLedColor(0, 3);
    s.setEventValue(4, "0");
    ValueRecorder recorder;
    s.setObserver(&recorder);
    RestoreSnapshot(opened(), s);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"4=7", "color 7"}));
}

TEST(DocumentSnapshot, ApplyChangesLeavesWhatTheStepDidNotChange) {
    LedSequence s;
    const DocumentSnapshot before = TakeSnapshot(s);
    s.setCell(0, 5, 1);
    const DocumentSnapshot after = TakeSnapshot(s);
    s.setTestSpeed(80); // a change outside the step
    EXPECT_FALSE(ApplyChanges(after, before, s).TestSpeed);
    EXPECT_EQ(TakeSnapshot(s), [&] {
        DocumentSnapshot expected = before;
        expected.TestSpeed = 80;
        return expected;
    }());
}
