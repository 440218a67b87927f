#pragma once

#include "model/LedSequence.h"

#include <array>
#include <cstdint>
#include <optional>

namespace zg {

// Whether an LED lights at one step: its cell is on and its servo mode, taken as a 16-bit mask
// (so that -1, a list holding typed text, lights in every zone), includes the stick's zone.
bool LedLit(int cell, ServoControlMode mode, int servoZoneMask);

// A test is servo-controlled when any LED has a mode other than "NONE" (-1 included).
bool IsServoControlled(const LedSequence& sequence);

// The colour value (0x00BBGGRR) of each indicator at event `event`; black for a dark LED.
std::array<std::uint32_t, kLedCount> IndicatorColors(const LedSequence& sequence, EventIndex event,
                                                     int servoZoneMask);

// The shortest step a test plays, as the settings list's fastest test speed.
inline constexpr int kFastestStepMs = 1;

// The step timer's interval for a test speed. 1..100 ms as set; a speed of 0 (typed text in the
// settings list) or one a data file brought outside that range must not stall the test, so those
// play at the start speed, and anything above 100 at 100 ms.
int StepIntervalMs(int testSpeed);

} // namespace zg
