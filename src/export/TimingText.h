#pragma once

#include "model/RowTiming.h"

#include <QString>

namespace zg {

// What one LED does in a cycle, in a modeller's words:
// "LED#3: 2 flashes of 60 ms every 1.50 s (40 a minute), dark 1.32 s".
// With a name the user gave the output, it stands for "LED#3": "Tail strobe: 2 flashes ...".
QString RowReadout(LedChannel row, const RowTiming& timing, const QString& name = {});

// The same without the LED's name, as the flash generator previews it.
QString TimingSummary(const RowTiming& timing);

// A cell's tooltip: "LED#3, event 24: 690 to 720 ms", events counted from 1 as on the time axis.
// With a name the user gave the output: "Tail strobe (LED#3), event 24: 690 to 720 ms".
QString CellTimeText(LedChannel row, EventIndex e, int delayMs, const QString& name = {});
// The time axis's: "Event 24: 690 to 720 ms", and whether the cycle ends there.
QString AxisTimeText(EventIndex e, int delayMs, bool endMark);

// A time as people read it: "60 ms" below a second, "1.50 s" from there on.
QString DurationText(int ms);
// How often a cycle comes: "40 a minute", or "3.3 Hz" when that is more than two a second.
QString RateText(int cycleMs);

} // namespace zg
