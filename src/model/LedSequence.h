#pragma once

#include "LedSequenceObserver.h"
#include "LedTables.h"

#include <array>
#include <cstdint>
#include <string>

namespace zg {

// Which of the two speeds a change set (an Open, a Merge, an undo), so that the settings lists can
// select them.
struct AppliedSpeeds {
    bool SequencerDelay = false;
    bool TestSpeed = false;
};

// The one document: four LED rows by 50 events, the end mark, display colours, servo modes and
// the two speeds.
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

    // The module's delay between events and the on-screen test's step time, in ms. Any value a
    // file or the settings list gives is kept (0 for typed text); the users of each decide.
    std::int16_t sequencerDelay() const { return SequencerDelay; }
    void setSequencerDelay(std::int16_t ms) { SequencerDelay = ms; }
    std::int16_t testSpeed() const { return TestSpeed; }
    void setTestSpeed(std::int16_t ms) { TestSpeed = ms; }

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
    std::int16_t TestSpeed = 20;
    std::int16_t SequencerDelay = 30;
    LedSequenceObserver* observer_ = nullptr;
};

} // namespace zg
