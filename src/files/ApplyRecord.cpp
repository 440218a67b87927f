#include "ApplyRecord.h"

#include <string>

namespace zg {

namespace {
// LED #4 first: the value is taken apart from its highest bit down.
void turnOnBits(LedSequence& sequence, EventIndex event, int value) {
    for (LedChannel channel = kLedCount - 1; channel >= 0; --channel)
        if ((value & BitWeight(channel)) != 0)
            sequence.setCell(channel, event, 1);
}

// The fields Open and Merge both replace: EndEvent, the servo modes and the two speeds.
AppliedSpeeds applySettings(const DataFileRecord& record, LedSequence& sequence) {
    if (record.Readable[kEndEventField])
        sequence.setEndEvent(record.endEvent());
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        if (record.Readable[ServoModeField(channel)])
            sequence.setServoMode(channel, record.servoMode(channel));
    const AppliedSpeeds applied{record.Readable[kSequencerDelayField], record.Readable[kTestSpeedField]};
    if (applied.SequencerDelay)
        sequence.setSequencerDelay(record.sequencerDelay());
    if (applied.TestSpeed)
        sequence.setTestSpeed(record.testSpeed());
    return applied;
}
} // namespace

AppliedSpeeds OpenRecord(const DataFileRecord& record, LedSequence& sequence) {
    sequence.clearGrid();
    for (int slot = 0; slot < kColorSlots; ++slot)
        if (record.Readable[ColorField(slot)])
            sequence.setLedColor(slot, record.ledColor(slot));
    const AppliedSpeeds applied = applySettings(record, sequence);
    // The cells come last, all together; each setCell brings the event value up to the value read.
    for (EventIndex event = 0; event < kEventCount; ++event)
        if (record.Readable[EventField(event)])
            turnOnBits(sequence, event, record.eventValue(event));
    return applied;
}

AppliedSpeeds MergeRecord(const DataFileRecord& record, LedSequence& sequence) {
    const AppliedSpeeds applied = applySettings(record, sequence);
    for (EventIndex event = 0; event < kEventCount; ++event) {
        if (!record.Readable[EventField(event)])
            continue;
        turnOnBits(sequence, event, record.eventValue(event));
        // Also when no cell changed, the value shown afterwards is the one the cells make.
        sequence.setEventValue(event, std::to_string(sequence.cellsValue(event)));
    }
    return applied;
}

} // namespace zg
