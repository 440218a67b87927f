#include "RowOperations.h"

namespace zg {

namespace {

bool isLed(int index) {
    return index >= 0 && index < kLedCount;
}

// Writes groups "on, then `gap` times off" from event 0. Only groups that end at or before the
// end mark are written, except for Skip 1, whose last pair may start on the end mark itself.
void skip(LedSequence& sequence, LedChannel row, int gap) {
    const EventIndex end = sequence.endEvent();
    const int lastStart = gap == 1 ? end : end - gap;
    for (EventIndex i = 0; i <= lastStart; i += gap + 1) {
        sequence.setCell(row, i, 1);
        for (int k = 1; k <= gap; ++k)
            sequence.setCell(row, i + k, 0);
    }
}

void copyRow(LedSequence& sequence, LedChannel from, LedChannel to) {
    for (EventIndex i = 0; i <= sequence.endEvent(); ++i)
        sequence.setCell(to, i, sequence.cell(from, i));
}

} // namespace

bool NeedsOtherLed(int operationIndex) {
    return operationIndex == int(RowOperation::CopyFrom) || operationIndex == int(RowOperation::CopyTo);
}

void ApplyRowOperation(LedSequence& sequence, LedChannel row, int operationIndex, int other) {
    const EventIndex end = sequence.endEvent();
    switch (operationIndex) {
    case int(RowOperation::ClearAll):
        for (EventIndex i = 0; i < kEventCount; ++i)
            sequence.setCell(row, i, 0);
        break;
    case int(RowOperation::MarkAll):
        for (EventIndex i = 0; i <= end; ++i)
            sequence.setCell(row, i, 1);
        break;
    case int(RowOperation::ToggleAll):
        for (EventIndex i = 0; i <= end; ++i)
            sequence.setCell(row, i, sequence.cell(row, i) ? 0 : 1);
        break;
    case int(RowOperation::CopyFrom):
        if (isLed(other) && other != row)
            copyRow(sequence, other, row);
        break;
    case int(RowOperation::CopyTo):
        if (isLed(other) && other != row)
            copyRow(sequence, row, other);
        break;
    case int(RowOperation::Skip1):
        skip(sequence, row, 1);
        break;
    case int(RowOperation::Skip2):
        skip(sequence, row, 2);
        break;
    case int(RowOperation::Skip3):
        skip(sequence, row, 3);
        break;
    default:
        break; // the empty entry and "Cancel"
    }
}

} // namespace zg
