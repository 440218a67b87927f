#include "DataFileTestSupport.h"

#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"

namespace zg {
namespace {

using test::ReadBytes;
using test::WriteBytes;

void SetCells(LedSequence& sequence, EventIndex event, int value) {
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        sequence.setCell(channel, event, (value >> channel) & 1);
}

std::array<int, 4> Cells(const LedSequence& sequence, EventIndex event) {
    return {sequence.cell(0, event), sequence.cell(1, event), sequence.cell(2, event),
            sequence.cell(3, event)};
}

// A document far from the start state, to see what Open and Merge keep of it.
LedSequence BusyDocument() {
    LedSequence sequence;
    for (EventIndex event = 0; event < kEventCount; ++event)
        SetCells(sequence, event, 15 - event % 16);
    for (int slot = 0; slot < kColorSlots; ++slot)
        sequence.setLedColor(slot, slot + 1);
    sequence.setEndEvent(10);
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        sequence.setServoMode(channel, channel + 3);
    sequence.setTestSpeed(55);
    sequence.setSequencerDelay(66);
    return sequence;
}

class ApplyRecord : public test::TempFolder {};

TEST_F(ApplyRecord, SaveOpenSaveIsByteIdentical) {
    LedSequence original;
    for (const auto& [event, value] : {std::pair{0, 1}, {1, 2}, {2, 9}, {3, 15}, {49, 6}})
        SetCells(original, event, value);
    for (const auto& [slot, color] : {std::pair{0, 1}, {1, 0}, {4, -5}, {5, 32767}, {6, -32768}, {7, 1234}})
        original.setLedColor(slot, color);
    original.setEndEvent(3);
    original.setServoMode(0, -1);
    original.setServoMode(1, 1);
    original.setTestSpeed(100);
    original.setSequencerDelay(0);
    const auto first = file("first.dat");
    ASSERT_EQ(WriteDataFile(first, MakeDataFileRecord(original)), std::nullopt);

    const auto read = ReadDataFile(first);
    ASSERT_TRUE(UnreadableLines(read.Record).empty());
    LedSequence opened = BusyDocument();
    const AppliedSpeeds applied = OpenRecord(read.Record, opened);
    EXPECT_TRUE(applied.SequencerDelay && applied.TestSpeed);
    EXPECT_EQ(opened.sequencerDelay(), 0);
    EXPECT_EQ(opened.testSpeed(), 100);
    EXPECT_EQ(Cells(opened, 2), (std::array{1, 0, 0, 1}));
    EXPECT_EQ(opened.eventValueText(2), "9");
    EXPECT_EQ(Cells(opened, 20), (std::array{0, 0, 0, 0}));
    EXPECT_EQ(opened.eventValueText(20), "0");

    const auto second = file("second.dat");
    ASSERT_EQ(WriteDataFile(second, MakeDataFileRecord(opened)), std::nullopt);
    EXPECT_EQ(ReadBytes(second), ReadBytes(first));
}

TEST_F(ApplyRecord, OpenOfAFileEndingAfterLine52KeepsTheRest) {
    auto lines =
        test::DataFileLines(std::vector<int>(50, 5), {2, 3, 4, 5, 6, 7, 8, 9, 20, 1, 1, 1, 1, 40, 50});
    lines.resize(52);
    lines[4] = "x"; // line 5 damaged
    lines[5] = "";  // line 6 empty
    const auto path = file("short.dat");
    WriteBytes(path, test::Joined(lines));
    const auto read = ReadDataFile(path);
    ASSERT_TRUE(read.Opened);
    std::vector<int> unreadable{5, 6};
    for (int line = 53; line <= 65; ++line)
        unreadable.push_back(line);
    EXPECT_EQ(UnreadableLines(read.Record), unreadable);

    LedSequence sequence = BusyDocument();
    const AppliedSpeeds applied = OpenRecord(read.Record, sequence);
    EXPECT_FALSE(applied.SequencerDelay || applied.TestSpeed);
    EXPECT_EQ(sequence.testSpeed(), 55);
    EXPECT_EQ(sequence.sequencerDelay(), 66);
    for (EventIndex event = 0; event < kEventCount; ++event) {
        const bool damaged = event == 4 || event == 5; // cleared, not left as they were
        const std::array<int, 4> expected = damaged ? std::array{0, 0, 0, 0} : std::array{1, 0, 1, 0};
        EXPECT_EQ(Cells(sequence, event), expected) << event;
        EXPECT_EQ(sequence.eventValueText(event), damaged ? "0" : "5");
    }
    EXPECT_EQ(sequence.ledColor(0), 2);
    EXPECT_EQ(sequence.ledColor(1), 3);
    for (int slot = 2; slot < kColorSlots; ++slot)
        EXPECT_EQ(sequence.ledColor(slot), slot + 1);
    EXPECT_EQ(sequence.endEvent(), 10);
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        EXPECT_EQ(sequence.servoMode(channel), channel + 3);
}

TEST_F(ApplyRecord, MergeOrsTheCellsAndLeavesTheColours) {
    LedSequence sequence = BusyDocument();
    SetCells(sequence, 0, 6);
    SetCells(sequence, 1, 9);
    SetCells(sequence, 2, 9);
    sequence.setEventValue(2, "7"); // a value out of step with its cells
    SetCells(sequence, 3, 3);
    std::vector<int> events(50, 0);
    events[0] = 9;
    const auto path = file("merge.dat");
    auto lines = test::DataFileLines(events, {0, 0, 0, 0, 1, 1, 1, 1, 5, 15, -1, 0, 8, 40, 50});
    lines[3] = "\"x\""; // event 3 damaged
    WriteBytes(path, test::Joined(lines));

    const AppliedSpeeds applied = MergeRecord(ReadDataFile(path).Record, sequence);
    EXPECT_TRUE(applied.SequencerDelay && applied.TestSpeed);
    EXPECT_EQ(sequence.sequencerDelay(), 40);
    EXPECT_EQ(sequence.testSpeed(), 50);
    EXPECT_EQ(Cells(sequence, 0), (std::array{1, 1, 1, 1}));
    EXPECT_EQ(sequence.eventValueText(0), "15");
    EXPECT_EQ(Cells(sequence, 1), (std::array{1, 0, 0, 1}));
    EXPECT_EQ(sequence.eventValueText(1), "9");
    EXPECT_EQ(sequence.eventValueText(2), "9");
    EXPECT_EQ(Cells(sequence, 3), (std::array{1, 1, 0, 0}));
    for (int slot = 0; slot < kColorSlots; ++slot)
        EXPECT_EQ(sequence.ledColor(slot), slot + 1);
    EXPECT_EQ(sequence.endEvent(), 5);
    EXPECT_EQ(sequence.servoMode(1), -1);
    EXPECT_EQ(sequence.servoMode(3), 8);
}

} // namespace
} // namespace zg
