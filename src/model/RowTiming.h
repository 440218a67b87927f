#pragma once

#include "LedSequence.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zg {

// A run of lit events within one cycle (events 0 to the end mark); a run that wraps from the end
// mark round to event 0 is one flash, as the module plays it.
struct FlashRun {
    int start = 0;
    int length = 0;
};

// What one LED does in one cycle of its row, in events and at the module's sequencer delay.
struct RowTiming {
    enum class Kind { NeverLit, AlwaysOn, Flashing };
    Kind kind = Kind::NeverLit;
    std::vector<FlashRun> flashes;
    int cycleEvents = 0;      // the end mark + 1
    int delayMs = 0;          // 0: the module's fastest, no rate can be given
    int shortestFlash = 0;    // events
    int longestFlash = 0;     // events
    int longestDark = 0;      // events
    ServoControlMode servoMode = kServoNone;

    int cycleMs() const { return cycleEvents * delayMs; }
    // The stick zones (bit z for zone z) in which the LED follows its row; -1 when no mode is chosen.
    int servoZones() const;
};

using RowCells = std::array<std::uint8_t, kEventCount>;

// The runs of lit cells among events 0..endEvent, a run across the end mark and event 0 joined.
std::vector<FlashRun> FlashRuns(const RowCells& cells, EventIndex endEvent);

RowTiming TimeRow(const RowCells& cells, EventIndex endEvent, int delayMs, ServoControlMode mode);
RowTiming TimeRow(const LedSequence& sequence, LedChannel row);

} // namespace zg
