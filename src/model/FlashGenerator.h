#pragma once

#include "LedSequence.h"
#include "RowTiming.h"

#include <array>
#include <optional>
#include <string_view>

namespace zg {

enum class FlashEffect { Steady, Single, Double, Triple, Beacon, Alternate, Chase, Flicker };
inline constexpr std::array<FlashEffect, 8> kFlashEffects{
    FlashEffect::Steady, FlashEffect::Single,    FlashEffect::Double, FlashEffect::Triple,
    FlashEffect::Beacon, FlashEffect::Alternate, FlashEffect::Chase,  FlashEffect::Flicker};

// A flash pattern as a modeller states it; every figure is rounded to whole events when laid out.
struct FlashSettings {
    FlashEffect effect = FlashEffect::Double;
    std::array<bool, kLedCount> leds{true, false, false, false};
    int perMinute = 60; // flashes, or groups of flashes, a minute
    int flashMs = 50;
    int gapMs = 50;       // between the flashes of a group, and between the lights of a chase
    int offsetMs = 0;     // where the first flash starts, so that two LEDs can be out of phase
    bool fitCycle = true; // the end mark so that one cycle is one period
    unsigned seed = 1;    // Flicker's random pattern, the same for the same seed
};

// What the settings give at a sequencer delay: the chosen rows' cells, the end mark, and whether
// one period fits into the 50 events.
struct FlashLayout {
    std::array<RowCells, kLedCount> cells{};
    EventIndex endEvent = kLastEvent;
    int periodEvents = 0;
    bool fits = true;
    // Where a period does not fit, or the flashes do not fit into a period, or there is no delay
    // to lay out at: the nearest sequencer delay of the settings list (1 to 100 ms) at which all
    // fits, if there is one.
    std::optional<int> fittingDelay;
    // Where a period does not fit and the cycle is not fitted to it, the pattern repeats at the
    // end mark instead: this many times a minute.
    std::optional<double> shownPerMinute;
    // At a sequencer delay of 0 the module runs at its fastest, a step no rate can be given for:
    // nothing is laid out until a delay is chosen.
    bool needsDelay = false;
    // Whether each period holds all the flashes the effect names, each with a dark step after
    // it (lights taking turns need none between them, only not to overlap); where not, the
    // longest flash (with the gap kept) and the longest gap (with the flash kept) in ms with which
    // they would, if there are such.
    bool flashesFit = true;
    // In one period: 3 for a triple flash, one a light for a chase or lights taking turns, 0 where
    // none are named.
    int flashesNamed = 0;
    int eventsNeeded = 0; // by those flashes and their gaps, with the dark step after them
    // The events the flashes must fit into: the period, or where the period is longer than the
    // end mark allows and the cycle is not fitted, the events up to the end mark, after which the
    // pattern starts again (a chase's last light would fall beyond it).
    int cycleEvents = 0;
    std::optional<int> fittingFlashMs;
    std::optional<int> fittingGapMs;
};

// The longest delay the settings list offers.
inline constexpr int kLongestDelayMs = 100;

FlashLayout LayOutFlashes(const FlashSettings& settings, int delayMs, EventIndex endEvent);

// Writes the chosen rows and, with the cycle fitted, the end mark: every other row stays, and so
// do the cells after the end mark when the cycle is not fitted.
void ApplyFlashes(const FlashSettings& settings, const FlashLayout& layout, LedSequence& sequence);

} // namespace zg
