#include "model/RangeEditing.h"

#include "RowText.h"

#include <gtest/gtest.h>

#include <string>

using namespace zg;
using namespace zg::test;

namespace {

std::string padded(std::string cells) {
    cells.resize(kEventCount, '0');
    return cells;
}

} // namespace

TEST(RangeEditing, TextReadsAsCellsOrIsRefusedWhereItHoldsSomethingElse) {
    const CellText read = ReadCellText("1x-X\r\n.#* 0\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.rows, (CellBlock{{1, 1, 0, 1}, {0, 1, 1, 0, 0}}));
    EXPECT_EQ(ReadCellText("10\n\n1").rows, (CellBlock{{1, 0}, {}, {1}}));
    const CellText bad = ReadCellText("101\n1a1\n");
    EXPECT_FALSE(bad.ok());
    EXPECT_EQ(bad.badLine, 2);
    EXPECT_EQ(bad.badColumn, 2);
    EXPECT_FALSE(ReadCellText("1\t0").ok());
}

TEST(RangeEditing, PasteOverwritesTheBlockAndCountsWhatFallsBeyondTheGrid) {
    LedSequence s;
    SetRowText(s, 2, padded("11111"));
    EXPECT_EQ(PasteCells(s, 2, 1, ReadCellText("101\n01").rows), 0);
    EXPECT_EQ(RowText(s, 2), padded("11011"));
    EXPECT_EQ(RowText(s, 3), padded("0010"));
    EXPECT_EQ(s.eventValueText(1), "4"); // the event values follow the cells
    // Three rows from LED #3 and four events from event 48: one row and two events fall off.
    EXPECT_EQ(PasteCells(s, 2, 48, ReadCellText("1111\n1111\n1111\n").rows), 4 + 2 + 2);
    EXPECT_EQ(RowText(s, 3).substr(46), "0011");
}

TEST(RangeEditing, InsertAndDeleteEventMoveTheEventsAndTheEndMarkBehindThem) {
    LedSequence s;
    SetRowText(s, 0, padded("1101"));
    s.setEventValue(3, "-7"); // a value as a file may bring it travels with its event
    s.setEndEvent(10);
    EXPECT_FALSE(InsertEvent(s, 1));
    EXPECT_EQ(RowText(s, 0), padded("10101"));
    EXPECT_EQ(s.eventValueText(4), "-7");
    EXPECT_EQ(s.eventValueText(1), "0");
    EXPECT_EQ(s.endEvent(), 11);
    InsertEvent(s, 20); // behind the end mark: the loop keeps its length
    EXPECT_EQ(s.endEvent(), 11);

    DeleteEvent(s, 0);
    EXPECT_EQ(RowText(s, 0), padded("0101"));
    EXPECT_EQ(s.endEvent(), 10);

    s.setCell(3, kLastEvent, 1);
    s.setEndEvent(kLastEvent);
    EXPECT_TRUE(InsertEvent(s, 0)); // event 50 falls off with a lit cell
    EXPECT_EQ(s.cell(3, kLastEvent), 0);
    EXPECT_EQ(s.endEvent(), kLastEvent);
    s.setCell(1, 5, 1);
    DeleteEvent(s, 5);
    EXPECT_EQ(s.cellsValue(kLastEvent), 0);
    EXPECT_EQ(s.endEvent(), 48);
}

TEST(RangeEditing, ShiftTurnsTheRowsWithinTheLoopAndLeavesTheRestAlone) {
    LedSequence s;
    s.setEndEvent(4);
    SetRowText(s, 0,
               padded("11000"
                      "1"));
    SetRowText(s, 1, padded("10000"));
    RotateRows(s, 0, 0, -1);
    EXPECT_EQ(RowText(s, 0), padded("10001"
                                    "1")); // event 5 lies beyond the loop
    EXPECT_EQ(RowText(s, 1), padded("10000"));
    RotateRows(s, 0, 1, +1);
    EXPECT_EQ(RowText(s, 0), padded("11000"
                                    "1"));
    EXPECT_EQ(RowText(s, 1), padded("01000"));
}

TEST(RangeEditing, RepeatFillsTheRowsUpToTheEndMarkWithCopiesOfTheRange) {
    LedSequence s;
    s.setEndEvent(9);
    SetRowText(s, 1, padded("0110"));
    SetRowText(s, 2, padded("1"));
    EXPECT_EQ(RepeatRange(s, RangeBetween(1, 1, 1, 3)), 6);
    EXPECT_EQ(RowText(s, 1), padded("0110110110"));
    EXPECT_EQ(RowText(s, 2), padded("1")); // an unselected row stays
    EXPECT_EQ(RepeatRange(s, RangeBetween(0, 9, 3, 9)), 0);
}
