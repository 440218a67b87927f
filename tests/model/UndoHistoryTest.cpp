#include "model/UndoHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace zg;

namespace {

struct Document {
    LedSequence sequence;
    AppConfig config;
    UndoHistory history{sequence, config};

    DocumentSnapshot snapshot() const { return TakeSnapshot(sequence, config); }
    void click(EventIndex e) {
        history.record("Click", [&] { sequence.setCell(0, e, 1 - sequence.cell(0, e)); });
    }
};

const DocumentSnapshot kNew = TakeSnapshot(LedSequence{}, AppConfig{});

} // namespace

TEST(UndoHistory, UndoAndRedoWalkTheStepsByName) {
    Document d;
    d.click(3);
    const DocumentSnapshot clicked = d.snapshot();
    d.history.record("Open", [&] { d.config.SequencerDelay = 70; });
    EXPECT_TRUE(d.history.undo().SequencerDelay);
    EXPECT_EQ(d.snapshot(), clicked);
    EXPECT_EQ(d.history.undoName(), "Click");
    EXPECT_EQ(d.history.redoName(), "Open");
    d.history.undo();
    EXPECT_EQ(d.snapshot(), kNew);
    EXPECT_FALSE(d.history.canUndo());
    d.history.redo();
    d.history.redo();
    EXPECT_EQ(d.config.SequencerDelay, 70);
    EXPECT_FALSE(d.history.canRedo());
}

TEST(UndoHistory, ANewStepClearsRedoAndNoChangeMakesNoStep) {
    Document d;
    int changes = 0;
    d.history.setOnChange([&] { ++changes; });
    d.click(1);
    d.click(2);
    d.history.undo();
    d.history.record("End Mark", [&] { d.sequence.setEndEvent(kLastEvent); });
    EXPECT_TRUE(d.history.canRedo());
    EXPECT_EQ(changes, 3);
    d.click(7);
    EXPECT_FALSE(d.history.canRedo());
}

TEST(UndoHistory, KeepsTheLatestTwoHundredSteps) {
    Document d;
    for (int i = 0; i < 250; ++i)
        d.click(i % kEventCount);
    int undone = 0;
    for (; d.history.canUndo(); ++undone)
        d.history.undo();
    EXPECT_EQ(undone, 200);
    EXPECT_EQ(d.sequence.cell(0, 0), 1); // as after the first 50 clicks
}

TEST(UndoHistory, AGestureFromBeginToCommitIsOneStep) {
    Document d;
    const UndoHistory::StepId paint = d.history.begin("Paint");
    for (EventIndex e = 0; e < 5; ++e)
        d.sequence.setCell(1, e, 1);
    d.history.commit(paint);
    d.history.undo();
    EXPECT_EQ(d.snapshot(), kNew);
    EXPECT_FALSE(d.history.canUndo());
}

TEST(UndoHistory, ACommandInsideAnOpenStepBecomesAStepOfItsOwn) {
    Document d;
    const UndoHistory::StepId row = d.history.begin("Mark All");
    d.sequence.setCell(2, 0, 1);
    const DocumentSnapshot beforeClick = d.snapshot();
    d.click(9);
    const DocumentSnapshot afterClick = d.snapshot();
    d.sequence.setCell(2, 1, 1);
    d.history.commit(row);

    const std::vector<std::pair<std::string, DocumentSnapshot>> expected{
        {"Mark All", afterClick}, {"Click", beforeClick}, {"Mark All", kNew}};
    for (const auto& [name, state] : expected) {
        EXPECT_EQ(d.history.undoName(), name);
        d.history.undo();
        EXPECT_EQ(d.snapshot(), state);
    }
}

TEST(UndoHistory, UndoInsideAnOpenStepIsNotRecordedAgainByItsCommit) {
    Document d;
    d.click(4);
    const UndoHistory::StepId paint = d.history.begin("Paint");
    d.history.undo();
    d.history.commit(paint);
    EXPECT_EQ(d.history.redoName(), "Click");
    EXPECT_FALSE(d.history.canUndo());
}
