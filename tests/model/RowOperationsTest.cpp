#include "model/RowOperations.h"

#include "RowText.h"

#include <gtest/gtest.h>

#include <string>

using namespace zg;
using namespace zg::test;

namespace {

// A pattern of period `period` (one on, then off) over events 0..last, `rest` after it.
std::string pattern(int period, int last, char rest) {
    std::string cells(kEventCount, rest);
    for (int e = 0; e <= last; ++e)
        cells[std::size_t(e)] = e % period == 0 ? '1' : '0';
    return cells;
}

const std::string kAllOn(kEventCount, '1');
const std::string kAllOff(kEventCount, '0');

} // namespace

TEST(RowOperations, MarkAndToggleStopAtTheEndMarkWhileClearGoesToTheLastEvent) {
    LedSequence s;
    s.setEndEvent(9);
    ApplyRowOperation(s, 1, int(RowOperation::MarkAll));
    EXPECT_EQ(RowText(s, 1), std::string(10, '1') + std::string(40, '0'));
    SetRowText(s, 2, kAllOn);
    ApplyRowOperation(s, 2, int(RowOperation::ToggleAll));
    EXPECT_EQ(RowText(s, 2), std::string(10, '0') + std::string(40, '1'));
    ApplyRowOperation(s, 2, int(RowOperation::ClearAll));
    EXPECT_EQ(RowText(s, 2), kAllOff);
    EXPECT_EQ(RowText(s, 1), std::string(10, '1') + std::string(40, '0')); // other rows untouched
    for (EventIndex e = 0; e < kEventCount; ++e)
        EXPECT_EQ(s.eventValue(e), e < 10 ? 2 : 0);
}

TEST(RowOperations, CopyFromAndToAnotherLedUpToTheEndMark) {
    LedSequence s;
    const std::string source = "10110011100011110000111110000011111100000011111110";
    SetRowText(s, 0, source);
    ApplyRowOperation(s, 0, int(RowOperation::CopyTo), 2);
    EXPECT_EQ(RowText(s, 2), source);
    for (EventIndex e = 0; e < kEventCount; ++e)
        EXPECT_EQ(s.eventValue(e), source[std::size_t(e)] == '1' ? 5 : 0);

    s.setEndEvent(4);
    SetRowText(s, 3, kAllOn);
    ApplyRowOperation(s, 3, int(RowOperation::CopyFrom), 0);
    EXPECT_EQ(RowText(s, 3), source.substr(0, 5) + kAllOn.substr(5));
}

TEST(RowOperations, CopyWithItsOwnLedAnEmptyEntryOrCancelChangesNothing) {
    LedSequence s;
    SetRowText(s, 1, "1010101010" + std::string(40, '0'));
    SetRowText(s, 0, kAllOn);
    const std::string before = RowText(s, 1);
    for (int other : {1, 4, 8, 9, -1}) {
        ApplyRowOperation(s, 1, int(RowOperation::CopyFrom), other);
        ApplyRowOperation(s, 1, int(RowOperation::CopyTo), other);
        EXPECT_EQ(RowText(s, 1), before) << other;
    }
    for (int nothing : {8, 9})
        ApplyRowOperation(s, 1, nothing);
    EXPECT_EQ(RowText(s, 1), before);
    EXPECT_EQ(RowText(s, 0), kAllOn);
}

TEST(RowOperations, Skip1WritesWholePairsAndTheCellAfterAnEvenEndMark) {
    for (int end : {1, 9, 46, 47, 48, 49}) {
        LedSequence s;
        s.setEndEvent(end);
        SetRowText(s, 0, kAllOn);
        ApplyRowOperation(s, 0, int(RowOperation::Skip1));
        // Pairs start at 0, 2, ... up to the end mark; an even end mark's pair reaches one past it.
        const int written = end % 2 == 0 ? end + 1 : end;
        EXPECT_EQ(RowText(s, 0), pattern(2, written, '1')) << "end " << end;
    }
}

TEST(RowOperations, Skip2AndSkip3WriteOnlyGroupsThatEndByTheEndMark) {
    struct Case {
        int gap;
        int end;
        int lastWritten; // -1: nothing written
    };
    for (const Case c : {Case{2, 49, 47}, Case{2, 1, -1}, Case{2, 46, 44}, Case{2, 47, 47}, Case{2, 48, 47},
                         Case{2, 9, 8}, Case{3, 46, 43}, Case{3, 47, 47}, Case{3, 48, 47}, Case{3, 49, 47},
                         Case{3, 1, -1}, Case{3, 9, 7}}) {
        LedSequence s;
        s.setEndEvent(c.end);
        SetRowText(s, 3, kAllOn);
        ApplyRowOperation(s, 3, c.gap == 2 ? int(RowOperation::Skip2) : int(RowOperation::Skip3));
        EXPECT_EQ(RowText(s, 3), pattern(c.gap + 1, c.lastWritten, '1'))
            << "gap " << c.gap << " end " << c.end;
    }
}

TEST(RowOperations, LeaveColoursModesAndTheEndMarkAlone) {
    LedSequence s;
    s.setEndEvent(30);
    s.setLedColor(2, 3);
    s.setServoMode(2, 6);
    for (int op = 0; op < 10; ++op)
        ApplyRowOperation(s, 2, op, 0);
    EXPECT_EQ(s.endEvent(), 30);
    EXPECT_EQ(s.ledColor(2), 3);
    EXPECT_EQ(s.servoMode(2), 6);
}
