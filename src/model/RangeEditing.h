#pragma once

#include "LedSequence.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

// A rectangle of cells: LED rows firstRow..lastRow by events firstEvent..lastEvent, both ends
// included.
struct CellRange {
    LedChannel firstRow = 0;
    LedChannel lastRow = 0;
    EventIndex firstEvent = 0;
    EventIndex lastEvent = 0;
    bool operator==(const CellRange&) const = default;
};

inline bool Contains(const CellRange& range, LedChannel row, EventIndex e) {
    return row >= range.firstRow && row <= range.lastRow && e >= range.firstEvent && e <= range.lastEvent;
}

// The range spanned by two corner cells, in any order.
CellRange RangeBetween(LedChannel rowA, EventIndex eventA, LedChannel rowB, EventIndex eventB);

// The cells as text: a line for each row, top row first, '1' for a lit cell and '0' for a dark
// one, each line ended by a line feed.
std::string CellsAsText(const LedSequence& sequence, const CellRange& range);

// Rows of cells read from text, each cell 0 or 1; a row may be shorter than the others.
using CellBlock = std::vector<std::vector<std::uint8_t>>;

// Text read as cells: '1', 'x', 'X', '#' and '*' are lit, '0', '-', '.' and a blank dark; lines
// end with LF or CR LF, and a last line feed ends the last row. Any other character refuses the
// whole text: `badLine` and `badColumn` (from 1, in bytes) say where the first one stands.
struct CellText {
    CellBlock rows;
    int badLine = 0;
    int badColumn = 0;
    bool ok() const { return badLine == 0; }
};
CellText ReadCellText(std::string_view text);

// Lays `block` onto the grid with its first cell at (row, e). Returns how many cells fell beyond
// LED #4 or event 50 and were left out.
int PasteCells(LedSequence& sequence, LedChannel row, EventIndex e, const CellBlock& block);

void ClearCells(LedSequence& sequence, const CellRange& range);

// A dark event at `at`, the events from there on one later, event 50 dropped; the end mark moves
// with the events behind it. True when a lit cell fell off the end.
bool InsertEvent(LedSequence& sequence, EventIndex at);

// The event at `at` removed, the later ones one earlier and a dark event 50 added; the end mark
// moves with the events behind it.
void DeleteEvent(LedSequence& sequence, EventIndex at);

// Rotates rows firstRow..lastRow by one event within events 0..end mark (`step` -1 to the left,
// +1 to the right), so that a loop keeps its shape.
void RotateRows(LedSequence& sequence, LedChannel firstRow, LedChannel lastRow, int step);

// Fills the range's rows from just after it up to the end mark with copies of its events. Returns
// how many events were filled.
int RepeatRange(LedSequence& sequence, const CellRange& range);

} // namespace zg
