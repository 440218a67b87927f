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

FlashLayout LayOutFlashes(const FlashSettings& s, int delayMs, EventIndex endEvent) {
    FlashLayout layout;
    const int delay = std::max(delayMs, 1); // at 0 the module runs at its fastest: a step of 1 ms
    const double periodMs = 60000.0 / std::max(s.perMinute, 1);
    layout.periodEvents = std::max(1, int(std::lround(periodMs / delay)));
    layout.fits = layout.periodEvents <= kEventCount;
    layout.endEvent = endEvent;
    if (s.fitCycle) {
        layout.endEvent = std::min(layout.periodEvents, kEventCount) - 1;
        if (!layout.fits) {
            // The smallest delay whose period rounds to 50 events or fewer.
            for (int d = delay + 1; d <= kLongestDelayMs && !layout.fittingDelay; ++d)
                if (std::lround(periodMs / d) <= kEventCount)
                    layout.fittingDelay = d;
        }
    }
    const int flash = eventsOf(s.flashMs, delay, 1);
    const int gap = eventsOf(s.gapMs, delay, 1);
    const int offset = eventsOf(s.offsetMs, delay, 0);
    const int period = layout.periodEvents;
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
        for (EventIndex e = 0; e < kEventCount; ++e)
            sequence.setCell(row, e, layout.cells[std::size_t(row)][std::size_t(e)]);
    }
}

} // namespace zg
