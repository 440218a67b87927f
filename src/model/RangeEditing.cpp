#include "RangeEditing.h"

#include <algorithm>
#include <array>

namespace zg {

namespace {

bool isLit(char c) {
    return c == '1' || c == 'x' || c == 'X' || c == '#' || c == '*';
}

bool isDark(char c) {
    return c == '0' || c == '-' || c == '.' || c == ' ';
}

// Moves the whole event `from` (its cells and its value as stored) to `to`.
void moveEvent(LedSequence& sequence, EventIndex from, EventIndex to) {
    for (LedChannel row = 0; row < kLedCount; ++row)
        sequence.setCell(row, to, sequence.cell(row, from));
    sequence.setEventValue(to, sequence.eventValueText(from));
}

void clearEvent(LedSequence& sequence, EventIndex e) {
    for (LedChannel row = 0; row < kLedCount; ++row)
        sequence.setCell(row, e, 0);
    sequence.setEventValue(e, "0");
}

} // namespace

CellRange RangeBetween(LedChannel rowA, EventIndex eventA, LedChannel rowB, EventIndex eventB) {
    return {std::min(rowA, rowB), std::max(rowA, rowB), std::min(eventA, eventB), std::max(eventA, eventB)};
}

std::string CellsAsText(const LedSequence& sequence, const CellRange& range) {
    std::string text;
    for (LedChannel row = range.firstRow; row <= range.lastRow; ++row) {
        for (EventIndex e = range.firstEvent; e <= range.lastEvent; ++e)
            text += sequence.cell(row, e) != 0 ? '1' : '0';
        text += '\n';
    }
    return text;
}

CellText ReadCellText(std::string_view text) {
    CellText read;
    read.rows.emplace_back();
    int line = 1;
    int column = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        ++column;
        if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            if (i + 1 < text.size())
                read.rows.emplace_back();
            ++line;
            column = 0;
        } else if (isLit(c) || isDark(c)) {
            read.rows.back().push_back(isLit(c) ? 1 : 0);
        } else {
            return {{}, line, column};
        }
    }
    return read;
}

int PasteCells(LedSequence& sequence, LedChannel row, EventIndex e, const CellBlock& block) {
    int leftOut = 0;
    for (std::size_t r = 0; r < block.size(); ++r) {
        for (std::size_t k = 0; k < block[r].size(); ++k) {
            const LedChannel targetRow = row + LedChannel(r);
            const EventIndex target = e + EventIndex(k);
            if (targetRow < kLedCount && target < kEventCount)
                sequence.setCell(targetRow, target, block[r][k]);
            else
                ++leftOut;
        }
    }
    return leftOut;
}

void ClearCells(LedSequence& sequence, const CellRange& range) {
    for (LedChannel row = range.firstRow; row <= range.lastRow; ++row)
        for (EventIndex e = range.firstEvent; e <= range.lastEvent; ++e)
            sequence.setCell(row, e, 0);
}

bool InsertEvent(LedSequence& sequence, EventIndex at) {
    if (!IsEventIndex(at))
        return false;
    const bool lost = sequence.cellsValue(kLastEvent) != 0;
    for (EventIndex e = kLastEvent; e > at; --e)
        moveEvent(sequence, e - 1, e);
    clearEvent(sequence, at);
    if (sequence.endEvent() >= at)
        sequence.setEndEvent(std::min(sequence.endEvent() + 1, kLastEvent));
    return lost;
}

void DeleteEvent(LedSequence& sequence, EventIndex at) {
    if (!IsEventIndex(at))
        return;
    for (EventIndex e = at; e < kLastEvent; ++e)
        moveEvent(sequence, e + 1, e);
    clearEvent(sequence, kLastEvent);
    if (sequence.endEvent() >= at && sequence.endEvent() > 0)
        sequence.setEndEvent(sequence.endEvent() - 1);
}

void RotateRows(LedSequence& sequence, LedChannel firstRow, LedChannel lastRow, int step) {
    const int length = sequence.endEvent() + 1;
    for (LedChannel row = firstRow; row <= lastRow; ++row) {
        std::array<int, kEventCount> old{};
        for (EventIndex e = 0; e < length; ++e)
            old[std::size_t(e)] = sequence.cell(row, e);
        for (EventIndex e = 0; e < length; ++e)
            sequence.setCell(row, e, old[std::size_t(((e - step) % length + length) % length)]);
    }
}

int RepeatRange(LedSequence& sequence, const CellRange& range) {
    const int length = range.lastEvent - range.firstEvent + 1;
    const int filled = std::max(0, sequence.endEvent() - range.lastEvent);
    for (LedChannel row = range.firstRow; row <= range.lastRow; ++row)
        for (int k = 0; k < filled; ++k)
            sequence.setCell(row, range.lastEvent + 1 + k, sequence.cell(row, range.firstEvent + k % length));
    return filled;
}

} // namespace zg
