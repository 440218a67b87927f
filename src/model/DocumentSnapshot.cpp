#include "DocumentSnapshot.h"

#include <functional>

namespace zg {

namespace {

bool eventDiffers(const DocumentSnapshot& from, const DocumentSnapshot& to, EventIndex event) {
    if (from.EventValues[event] != to.EventValues[event])
        return true;
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        if (from.EventGrid[channel][event] != to.EventGrid[channel][event])
            return true;
    return false;
}

// The text goes last: each changed cell recomputes the event's value from the grid, and the
// stored text may be one a file brought that no sum of cells makes.
void applyEvent(const DocumentSnapshot& to, EventIndex event, LedSequence& sequence) {
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        sequence.setCell(channel, event, to.EventGrid[channel][event]);
    sequence.setEventValue(event, to.EventValues[event]);
}

// Sets a speed the step changed, when it is not already at the step's value.
bool applySpeed(std::int16_t from, std::int16_t to, std::int16_t now,
                const std::function<void(std::int16_t)>& set) {
    if (from == to || now == to)
        return false;
    set(to);
    return true;
}

} // namespace

DocumentSnapshot TakeSnapshot(const LedSequence& sequence) {
    DocumentSnapshot snapshot;
    for (EventIndex event = 0; event < kEventCount; ++event) {
        for (LedChannel channel = 0; channel < kLedCount; ++channel)
            snapshot.EventGrid[channel][event] = static_cast<std::uint8_t>(sequence.cell(channel, event));
        snapshot.EventValues[event] = sequence.eventValueText(event);
    }
    snapshot.EndEvent = sequence.endEvent();
    for (int slot = 0; slot < kColorSlots; ++slot)
        snapshot.LedColors[slot] = sequence.ledColor(slot);
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        snapshot.ServoModes[channel] = sequence.servoMode(channel);
    snapshot.TestSpeed = sequence.testSpeed();
    snapshot.SequencerDelay = sequence.sequencerDelay();
    return snapshot;
}

AppliedSpeeds RestoreSnapshot(const DocumentSnapshot& target, LedSequence& sequence) {
    return ApplyChanges(TakeSnapshot(sequence), target, sequence);
}

AppliedSpeeds ApplyChanges(const DocumentSnapshot& from, const DocumentSnapshot& to, LedSequence& sequence) {
    for (EventIndex event = 0; event < kEventCount; ++event)
        if (eventDiffers(from, to, event))
            applyEvent(to, event, sequence);
    if (from.EndEvent != to.EndEvent)
        sequence.setEndEvent(to.EndEvent);
    for (int slot = 0; slot < kColorSlots; ++slot)
        if (from.LedColors[slot] != to.LedColors[slot])
            sequence.setLedColor(slot, to.LedColors[slot]);
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        if (from.ServoModes[channel] != to.ServoModes[channel])
            sequence.setServoMode(channel, to.ServoModes[channel]);
    const bool testSpeed = applySpeed(from.TestSpeed, to.TestSpeed, sequence.testSpeed(),
                                      [&](std::int16_t ms) { sequence.setTestSpeed(ms); });
    return {.SequencerDelay = applySpeed(from.SequencerDelay, to.SequencerDelay, sequence.sequencerDelay(),
                                         [&](std::int16_t ms) { sequence.setSequencerDelay(ms); }),
            .TestSpeed = testSpeed};
}

} // namespace zg
