#include "FlashGenerator.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace zg {

namespace {

int eventsOf(int ms, int delayMs, int atLeast) {
    return std::max(atLeast, int(std::lround(double(ms) / delayMs)));
}

// The lit stretches of one period, from its start, before a row's own shift.
std::vector<FlashRun> groupOf(const FlashSettings& s, int period, int flash, int gap) {
    switch (s.effect) {
    case FlashEffect::Steady:
        return {{0, period}};
    case FlashEffect::Beacon:
        return {{0, std::max(1, period / 2)}};
    case FlashEffect::Double:
        return {{0, flash}, {flash + gap, flash}};
    case FlashEffect::Triple:
        return {{0, flash}, {flash + gap, flash}, {2 * (flash + gap), flash}};
    default:
        return {{0, flash}};
    }
}

// How far each light of an alternating or chasing group is behind the first.
int shiftOf(const FlashSettings& s, int index, int count, int period, int flash, int gap) {
    if (s.effect == FlashEffect::Alternate)
        return index * period / count;
    if (s.effect == FlashEffect::Chase)
        return index * (flash + gap);
    return 0;
}

// Random but repeatable: the generator's raw numbers, whose sequence the standard fixes.
RowCells flicker(const FlashSettings& s, LedChannel row, int endEvent, int flash, int gap) {
    std::mt19937 random(s.seed * 4u + unsigned(row));
    const double lit = double(flash) / (flash + gap);
    RowCells cells{};
    for (int e = 0; e <= endEvent; ++e)
        cells[std::size_t(e)] = random() < lit * std::mt19937::max() ? 1 : 0;
    return cells;
}

} // namespace

namespace {

// How many flashes one period holds: 3 for a triple flash, one for each light of an alternating
// or chasing group, 0 where none are named.
int flashesNamed(const FlashSettings& s) {
    switch (s.effect) {
    case FlashEffect::Single:
        return 1;
    case FlashEffect::Alternate:
    case FlashEffect::Chase:
        return int(std::count(s.leds.begin(), s.leds.end(), true));
    case FlashEffect::Double:
        return 2;
    case FlashEffect::Triple:
        return 3;
    default:
        return 0;
    }
}

// Lights taking turns hand over without a gap: each goes dark while the others are lit.
bool takesTurns(const FlashSettings& s, int count) {
    return s.effect == FlashEffect::Alternate && count > 1;
}

int periodOf(const FlashSettings& s, int delay) {
    return std::max(1, int(std::lround(60000.0 / std::max(s.perMinute, 1) / delay)));
}

// The events `count` flashes take: with their gaps and the dark step that sets the last apart
// from the next period's first, or side by side where lights take turns.
int eventsNeeded(const FlashSettings& s, int count, int flash, int gap) {
    if (takesTurns(s, count))
        return count * flash;
    return count * flash + (count - 1) * gap + 1;
}

// Where a period fits into the 50 events (without the cycle fitted, a longer one would repeat at
// the end mark instead) and holds the flashes named.
bool allFitsAt(const FlashSettings& s, int delay) {
    const int period = periodOf(s, delay);
    const int count = flashesNamed(s);
    const int needed = eventsNeeded(s, count, eventsOf(s.flashMs, delay, 1), eventsOf(s.gapMs, delay, 1));
    return period <= kEventCount && (count == 0 || needed <= period);
}

// The delay of the list nearest to `delay` at which everything fits, the shorter one first.
std::optional<int> nearestFittingDelay(const FlashSettings& s, int delay) {
    for (int distance = 1; distance < kLongestDelayMs; ++distance)
        for (const int d : {delay - distance, delay + distance})
            if (d >= 1 && d <= kLongestDelayMs && allFitsAt(s, d))
                return d;
    return std::nullopt;
}

// The longest flash, or gap, that lets the named flashes fit into the period, the other kept;
// lights taking turns have no gap.
void offerWhatFits(FlashLayout& layout, const FlashSettings& s, int flash, int gap, int delay) {
    const int count = layout.flashesNamed;
    if (takesTurns(s, count)) {
        if (const int longest = layout.cycleEvents / count; longest >= 1)
            layout.fittingFlashMs = longest * delay;
        return;
    }
    const int room = layout.cycleEvents - 1;
    if (const int longest = (room - (count - 1) * gap) / count; longest >= 1)
        layout.fittingFlashMs = longest * delay;
    if (count > 1)
        if (const int longest = (room - count * flash) / (count - 1); longest >= 1)
            layout.fittingGapMs = longest * delay;
}

} // namespace

FlashLayout LayOutFlashes(const FlashSettings& s, int delayMs, EventIndex endEvent) {
    FlashLayout layout;
    layout.endEvent = endEvent;
    layout.flashesNamed = flashesNamed(s);
    if (delayMs < 1) {
        layout.needsDelay = true;
        layout.fits = false;
        layout.fittingDelay = nearestFittingDelay(s, 0);
        return layout;
    }
    const int delay = delayMs;
    layout.periodEvents = periodOf(s, delay);
    layout.fits = layout.periodEvents <= kEventCount;
    if (s.fitCycle)
        layout.endEvent = std::min(layout.periodEvents, kEventCount) - 1;
    const int flash = eventsOf(s.flashMs, delay, 1);
    const int gap = eventsOf(s.gapMs, delay, 1);
    const int offset = eventsOf(s.offsetMs, delay, 0);
    const int period = layout.periodEvents;
    layout.cycleEvents = s.fitCycle || layout.fits ? period : std::min(period, layout.endEvent + 1);
    if (layout.flashesNamed > 0) {
        layout.eventsNeeded = eventsNeeded(s, layout.flashesNamed, flash, gap);
        layout.flashesFit = layout.eventsNeeded <= layout.cycleEvents;
        if (!layout.flashesFit)
            offerWhatFits(layout, s, flash, gap, delay);
    }
    if (!s.fitCycle && !layout.fits)
        layout.shownPerMinute = 60000.0 / ((layout.endEvent + 1) * delay);
    if (!layout.fits || !layout.flashesFit)
        layout.fittingDelay = nearestFittingDelay(s, delay);
    const std::vector<FlashRun> group = groupOf(s, period, flash, gap);
    const int count = int(std::count(s.leds.begin(), s.leds.end(), true));
    int index = 0;
    for (LedChannel row = 0; row < kLedCount; ++row) {
        if (!s.leds[std::size_t(row)])
            continue;
        RowCells& cells = layout.cells[std::size_t(row)];
        if (s.effect == FlashEffect::Flicker) {
            cells = flicker(s, row, layout.endEvent, flash, gap);
            continue;
        }
        const int start = offset + shiftOf(s, index++, count, period, flash, gap);
        for (int e = 0; e <= layout.endEvent; ++e) {
            const int phase = ((e - start) % period + period) % period;
            cells[std::size_t(e)] = std::any_of(group.begin(), group.end(), [phase](const FlashRun& run) {
                return phase >= run.start && phase < run.start + run.length;
            });
        }
    }
    return layout;
}

void ApplyFlashes(const FlashSettings& settings, const FlashLayout& layout, LedSequence& sequence) {
    if (settings.fitCycle)
        sequence.setEndEvent(layout.endEvent);
    for (LedChannel row = 0; row < kLedCount; ++row) {
        if (!settings.leds[std::size_t(row)])
            continue;
        const EventIndex last = settings.fitCycle ? kLastEvent : layout.endEvent;
        for (EventIndex e = 0; e <= last; ++e)
            sequence.setCell(row, e, layout.cells[std::size_t(row)][std::size_t(e)]);
    }
}

} // namespace zg
