#include "RowTiming.h"

#include <algorithm>

namespace zg {

int RowTiming::servoZones() const {
    if (servoMode < 0)
        return -1;
    return servoMode == kServoNone ? 0b1111 : servoMode;
}

std::vector<FlashRun> FlashRuns(const RowCells& cells, EventIndex endEvent) {
    std::vector<FlashRun> runs;
    for (int e = 0; e <= endEvent; ++e) {
        if (!cells[std::size_t(e)])
            continue;
        if (e > 0 && cells[std::size_t(e - 1)])
            ++runs.back().length;
        else
            runs.push_back({e, 1});
    }
    // Lit at both ends of the cycle: the last run goes on into the first.
    if (runs.size() > 1 && runs.front().start == 0 && runs.back().start + runs.back().length == endEvent + 1) {
        runs.back().length += runs.front().length;
        runs.erase(runs.begin());
    }
    return runs;
}

RowTiming TimeRow(const RowCells& cells, EventIndex endEvent, int delayMs, ServoControlMode mode) {
    RowTiming timing;
    timing.cycleEvents = endEvent + 1;
    timing.delayMs = std::max(delayMs, 0);
    timing.servoMode = mode;
    timing.flashes = FlashRuns(cells, endEvent);
    if (mode == 0 || timing.flashes.empty())
        return timing;
    if (timing.flashes.size() == 1 && timing.flashes.front().length == timing.cycleEvents) {
        timing.kind = RowTiming::Kind::AlwaysOn;
        return timing;
    }
    timing.kind = RowTiming::Kind::Flashing;
    const auto [shortest, longest] = std::minmax_element(
        timing.flashes.begin(), timing.flashes.end(),
        [](const FlashRun& a, const FlashRun& b) { return a.length < b.length; });
    timing.shortestFlash = shortest->length;
    timing.longestFlash = longest->length;
    // The dark gap after each flash, up to the next one round the cycle.
    for (std::size_t i = 0; i < timing.flashes.size(); ++i) {
        const FlashRun& run = timing.flashes[i];
        const FlashRun& next = timing.flashes[(i + 1) % timing.flashes.size()];
        int gap = next.start - (run.start + run.length);
        if (gap < 0)
            gap += timing.cycleEvents;
        if (timing.flashes.size() == 1)
            gap = timing.cycleEvents - run.length;
        timing.longestDark = std::max(timing.longestDark, gap);
    }
    return timing;
}

RowTiming TimeRow(const LedSequence& sequence, LedChannel row) {
    RowCells cells{};
    for (EventIndex e = 0; e < kEventCount; ++e)
        cells[std::size_t(e)] = std::uint8_t(sequence.cell(row, e));
    return TimeRow(cells, sequence.endEvent(), sequence.sequencerDelay(), sequence.servoMode(row));
}

} // namespace zg
