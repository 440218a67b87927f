#pragma once

#include "AppConfig.h"
#include "LedSequence.h"

#include <array>
#include <cstdint>
#include <string>

namespace zg {

// A copy of everything that Undo and Redo bring back: the whole document and the two speeds that
// Open and Merge change along with it.
struct DocumentSnapshot {
    std::array<std::array<std::uint8_t, kEventCount>, kLedCount> EventGrid{};
    std::array<std::string, kEventCount> EventValues;
    EventIndex EndEvent = kLastEvent;
    std::array<LedColor, kColorSlots> LedColors{};
    std::array<ServoControlMode, kLedCount> ServoModes{};
    std::int16_t TestSpeed = 0;
    std::int16_t SequencerDelay = 0;

    bool operator==(const DocumentSnapshot&) const = default;
};

// Which speeds a restore changed, so that the settings lists can select the new values.

DocumentSnapshot TakeSnapshot(const LedSequence& sequence);

// Brings the document and both speeds to `target`, through the sequence's setters so that its
// observer hears of every field that really changes (an event with several cells to change passes
// through the values between, as with any cell change). Stored event texts come back as they were,
// also those that differ from their cells' sum.
AppliedSpeeds RestoreSnapshot(const DocumentSnapshot& target, LedSequence& sequence);

// Sets only what differs between `from` and `to` to its value in `to`, and leaves the rest as it
// is now, so that a step undoes only its own part, also when other steps were recorded while it
// was open (a command run while a pop-up list waited). A speed changed in Settings is a step of
// its own, undone before any step recorded earlier.
AppliedSpeeds ApplyChanges(const DocumentSnapshot& from, const DocumentSnapshot& to, LedSequence& sequence);

} // namespace zg
