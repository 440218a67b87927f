#include "DataFileRecord.h"

#include <algorithm>
#include <limits>
#include <span>

namespace zg {

FieldRange DataFieldRange(int field) {
    constexpr FieldRange anyInt16{std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max()};
    constexpr FieldRange speed{0, 100}; // the settings lists offer 1..100, and 0 for typed text
    if (field < kFirstColorField)
        return {0, 15};
    if (field < ColorField(kLedCount))
        return {0, int(LedColorTable.size()) - 1};
    if (field < kEndEventField)
        return anyInt16; // spare slots carry whatever a file brought
    if (field == kEndEventField)
        return {0, kLastEvent};
    if (field < kSequencerDelayField)
        return {-1, int(ServoModeTable.size()) - 1};
    return speed;
}

DataFileRecord MakeDataFileRecord(const LedSequence& sequence) {
    DataFileRecord record;
    for (EventIndex event = 0; event < kEventCount; ++event)
        record.Values[EventField(event)] = std::int16_t(sequence.eventValue(event));
    for (int slot = 0; slot < kColorSlots; ++slot)
        record.Values[ColorField(slot)] = std::int16_t(sequence.ledColor(slot));
    record.Values[kEndEventField] = std::int16_t(sequence.endEvent());
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        record.Values[ServoModeField(channel)] = std::int16_t(sequence.servoMode(channel));
    record.Values[kSequencerDelayField] = sequence.sequencerDelay();
    record.Values[kTestSpeedField] = sequence.testSpeed();
    record.Readable.fill(true);
    return record;
}

bool HasReadableEventLine(const DataFileRecord& record) {
    const auto events = std::span(record.Readable).first(kEventCount);
    return std::any_of(events.begin(), events.end(), [](bool readable) { return readable; });
}

std::vector<int> UnreadableLines(const DataFileRecord& record) {
    std::vector<int> lines;
    for (int field = 0; field < kDataFileFields; ++field)
        if (!record.Readable[field])
            lines.push_back(field + 1);
    return lines;
}

} // namespace zg
