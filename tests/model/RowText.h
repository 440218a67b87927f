#pragma once

#include "model/LedSequence.h"

#include <string>

namespace zg::test {

// A row as 50 characters, '1' for a lit cell.
inline std::string RowText(const LedSequence& s, LedChannel c) {
    std::string cells;
    for (EventIndex e = 0; e < kEventCount; ++e)
        cells += s.cell(c, e) ? '1' : '0';
    return cells;
}

// Lights the row as `cells` spells it, '1' for a lit cell; a shorter text leaves the rest dark.
inline void SetRowText(LedSequence& s, LedChannel c, const std::string& cells) {
    for (EventIndex e = 0; e < kEventCount; ++e)
        s.setCell(c, e, e < int(cells.size()) && cells[std::size_t(e)] == '1');
}

} // namespace zg::test
