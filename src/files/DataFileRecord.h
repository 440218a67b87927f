#pragma once

#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace zg {

// A data file holds 65 values, one per line, and the line alone says what a value means.
inline constexpr int kDataFileFields = 65;

// Index of each value in file order; line n of the file holds index n - 1.
inline constexpr int kFirstEventField = 0;                              // 50 event values
inline constexpr int kFirstColorField = kFirstEventField + kEventCount; // 8 colour slots
inline constexpr int kEndEventField = kFirstColorField + kColorSlots;
inline constexpr int kFirstServoModeField = kEndEventField + 1; // LED #1..#4
inline constexpr int kSequencerDelayField = kFirstServoModeField + kLedCount;
inline constexpr int kTestSpeedField = kSequencerDelayField + 1;
static_assert(kTestSpeedField == kDataFileFields - 1);

constexpr int EventField(EventIndex event) {
    return kFirstEventField + event;
}
constexpr int ColorField(int slot) {
    return kFirstColorField + slot;
}
constexpr int ServoModeField(LedChannel channel) {
    return kFirstServoModeField + channel;
}

// The values the program itself writes into a field. Anything else in a file is damage: the grid,
// the colour table, the test and the module all rely on these ranges.
struct FieldRange {
    int min;
    int max;
    constexpr bool contains(int value) const { return value >= min && value <= max; }
};
FieldRange DataFieldRange(int field);

// The 65 values of one data file in file order, and for each whether it could be read.
struct DataFileRecord {
    std::array<std::int16_t, kDataFileFields> Values{};
    std::array<bool, kDataFileFields> Readable{};

    std::int16_t eventValue(EventIndex event) const { return Values[EventField(event)]; }
    std::int16_t ledColor(int slot) const { return Values[ColorField(slot)]; }
    std::int16_t endEvent() const { return Values[kEndEventField]; }
    std::int16_t servoMode(LedChannel channel) const { return Values[ServoModeField(channel)]; }
    std::int16_t sequencerDelay() const { return Values[kSequencerDelayField]; }
    std::int16_t testSpeed() const { return Values[kTestSpeedField]; }
};

// Told after each of the 50 event lines, with the count of event lines done so far (1..50), so
// that a progress display can follow a save or an open.
using EventLineCallback = std::function<void(int count)>;

// The record a save writes: the document and the two speeds, every field readable.
DataFileRecord MakeDataFileRecord(const LedSequence& sequence);

// Whether any of the 50 event lines could be read: a file without one (empty, binary, some other
// text) is no data file of this program at all.
bool HasReadableEventLine(const DataFileRecord& record);

// The 1-based line numbers of the fields that could not be read, in increasing order.
std::vector<int> UnreadableLines(const DataFileRecord& record);

} // namespace zg
