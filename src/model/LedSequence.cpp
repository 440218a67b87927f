#include "LedSequence.h"

#include <charconv>

namespace zg {

namespace {
bool validChannel(LedChannel channel) {
    return channel >= 0 && channel < kLedCount;
}
} // namespace

LedSequence::LedSequence() {
    EventValues.fill("0");
}

int LedSequence::cell(LedChannel channel, EventIndex event) const {
    if (!validChannel(channel) || !IsEventIndex(event))
        return 0;
    return EventGrid[channel][event];
}

void LedSequence::setCell(LedChannel channel, EventIndex event, int state) {
    if (!validChannel(channel) || !IsEventIndex(event))
        return;
    const std::uint8_t bit = state != 0 ? 1 : 0;
    if (EventGrid[channel][event] == bit)
        return;
    EventGrid[channel][event] = bit;
    if (observer_)
        observer_->cellChanged(channel, event, bit);
    recomputeEventValue(event);
}

void LedSequence::recomputeEventValue(EventIndex event) {
    setEventValue(event, std::to_string(cellsValue(event)));
}

int LedSequence::cellsValue(EventIndex event) const {
    int value = 0;
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        value += cell(channel, event) * BitWeight(channel);
    return value;
}

int LedSequence::eventValue(EventIndex event) const {
    if (!IsEventIndex(event))
        return 0;
    const std::string& text = EventValues[event];
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

const std::string& LedSequence::eventValueText(EventIndex event) const {
    static const std::string none = "0";
    return IsEventIndex(event) ? EventValues[event] : none;
}

void LedSequence::setEventValue(EventIndex event, const std::string& text) {
    if (!IsEventIndex(event) || EventValues[event] == text)
        return;
    EventValues[event] = text;
    if (observer_)
        observer_->eventValueChanged(event, text);
}

void LedSequence::setEndEvent(EventIndex event) {
    if (!IsEventIndex(event) || event == EndEvent)
        return;
    const EventIndex previous = EndEvent;
    EndEvent = event;
    if (observer_)
        observer_->endEventChanged(previous, event);
}

LedColor LedSequence::ledColor(int slot) const {
    return slot >= 0 && slot < kColorSlots ? LedColors[slot] : 0;
}

void LedSequence::setLedColor(int slot, LedColor color) {
    if (slot < 0 || slot >= kColorSlots)
        return;
    // The spare slots 4..7 only travel through data files; they hold whatever a file brought.
    if (slot < kLedCount && !IsLedColor(color))
        return;
    if (LedColors[slot] == color)
        return;
    LedColors[slot] = color;
    if (observer_)
        observer_->ledColorChanged(slot, color);
}

ServoControlMode LedSequence::servoMode(LedChannel channel) const {
    return validChannel(channel) ? ServoModes[channel] : kServoNone;
}

void LedSequence::setServoMode(LedChannel channel, ServoControlMode mode) {
    if (!validChannel(channel) || !IsServoMode(mode) || ServoModes[channel] == mode)
        return;
    ServoModes[channel] = mode;
    if (observer_)
        observer_->servoModeChanged(channel, mode);
}

void LedSequence::clearGrid() {
    for (EventIndex event = 0; event < kEventCount; ++event) {
        setEventValue(event, "0");
        for (LedChannel channel = kLedCount - 1; channel >= 0; --channel)
            setCell(channel, event, 0);
    }
}

void LedSequence::resetSequence() {
    clearGrid();
    for (LedChannel channel = 0; channel < kLedCount; ++channel) {
        setLedColor(channel, kWhite);
        setServoMode(channel, kServoNone);
    }
    setEndEvent(kLastEvent);
}

} // namespace zg
