#pragma once

#include "LedSequence.h"

namespace zg {

// The entries of the row-options list, in list order.
enum class RowOperation {
    ClearAll = 0,
    MarkAll = 1,
    ToggleAll = 2,
    CopyFrom = 3,
    CopyTo = 4,
    Skip1 = 5,
    Skip2 = 6,
    Skip3 = 7,
};

// True for the two operations that need the other LED picked from the copy list.
bool NeedsOtherLed(int operationIndex);

// Applies the row-options entry at operationIndex to row `row`, reading EndEvent now. `other` is
// the index picked in the copy list (only the copy operations look at it; 0..3 names an LED, any
// other index copies nothing). Entries that name no operation (the empty entry, "Cancel") do nothing.
void ApplyRowOperation(LedSequence& sequence, LedChannel row, int operationIndex, int other = -1);

} // namespace zg
