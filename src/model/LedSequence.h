#pragma once

#include "LedSequenceObserver.h"
#include "LedTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace zg {

// The one document: four LED rows by 50 events, the end mark, display colours and servo modes.
// Every setter keeps the invariants (cells 0/1, EndEvent 0..49, colours of LED #1..#4 0..7,
// modes -1..15) by refusing values outside them, and reports each real change to the observer.
class LedSequence {
  public:
    LedSequence();

    int cell(LedChannel channel, EventIndex event) const;
    void setCell(LedChannel channel, EventIndex event, int state);

    int eventValue(EventIndex event) const;
    // The value the event's four cells make (LED #1 = 1 .. LED #4 = 8), whatever value is stored.
    int cellsValue(EventIndex event) const;
    const std::string& eventValueText(EventIndex event) const;
    void setEventValue(EventIndex event, const std::string& text);

    EventIndex endEvent() const { return EndEvent; }
    void setEndEvent(EventIndex event);

    LedColor ledColor(int slot) const;
    void setLedColor(int slot, LedColor color);

    ServoControlMode servoMode(LedChannel channel) const;
    void setServoMode(LedChannel channel, ServoControlMode mode);

    // Every event's value to "0", then its cells off from LED #4 down to LED #1.
    void clearGrid();

    void resetSequence();

    void setObserver(LedSequenceObserver* observer) { observer_ = observer; }

  private:
    void recomputeEventValue(EventIndex event);

    std::array<std::array<std::uint8_t, kEventCount>, kLedCount> EventGrid{};
    std::array<std::string, kEventCount> EventValues;
    EventIndex EndEvent = kLastEvent;
    std::array<LedColor, kColorSlots> LedColors{kWhite, kWhite, kWhite, kWhite, 0, 0, 0, 0};
    std::array<ServoControlMode, kLedCount> ServoModes{kServoNone, kServoNone, kServoNone, kServoNone};
    LedSequenceObserver* observer_ = nullptr;
};

} // namespace zg
