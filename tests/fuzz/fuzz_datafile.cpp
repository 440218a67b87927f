// Feeds arbitrary bytes to the data-file reader. The record must match a plain reading of the
// format, a file holding the bytes must read the same, every readable value must lie in its
// field's range, and Open and Merge of the record must leave a document that keeps its rules.
#include "FuzzSupport.h"

#include "files/ApplyRecord.h"
#include "files/DataFileReader.h"
#include "files/DataFileRecord.h"
#include "model/LedSequence.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace zg;

// ---- A second, plain reading of the format: lines first, then fields, then numbers ----------

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isBlank).base();
    return first < last ? text.substr(std::size_t(first - text.begin()), std::size_t(last - first)) : "";
}

// Commas split a line, except inside a quotation that opens a field (after blanks at most) and
// runs to the next quotation mark or, unclosed, to the end of the line.
void splitLine(std::string_view line, std::vector<std::string_view>& fields) {
    std::size_t start = 0;
    for (;;) {
        std::size_t pos = start;
        while (pos < line.size() && isBlank(line[pos]))
            ++pos;
        if (pos < line.size() && line[pos] == '"') {
            const std::size_t close = line.find('"', pos + 1);
            pos = close == std::string_view::npos ? line.size() : close + 1;
        }
        const std::size_t comma = line.find(',', pos);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

// Lines end at CR LF, LF or CR; text after the last line end is a line too.
std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        splitLine(text.substr(0, end), fields);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return fields;
}

// A decimal number with an optional leading minus, bare or quoted, that fits 16 bits.
std::optional<int> fieldNumber(std::string_view field) {
    if (field.size() > kMaxFieldBytes)
        return std::nullopt;
    field = trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.substr(1, field.size() - 2));
    const bool negative = !field.empty() && field.front() == '-';
    if (negative)
        field.remove_prefix(1);
    if (field.empty() || !std::all_of(field.begin(), field.end(), isDigit))
        return std::nullopt;
    long value = 0;
    for (const char c : field)
        value = std::min(value * 10 + (c - '0'), 1L << 20); // leading zeros may run on
    value = negative ? -value : value;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return int(value);
}

// What the document and the settings can take, from the model's own rules.
bool fieldTakes(int field, int value) {
    if (field < kFirstColorField)
        return IsEventValue(value);
    if (field < ColorField(kLedCount))
        return IsLedColor(value);
    if (field < kEndEventField)
        return true; // spare colour slots carry any 16-bit value
    if (field == kEndEventField)
        return IsEventIndex(value);
    if (field < kSequencerDelayField)
        return IsServoMode(value);
    return value >= 0 && value <= 100; // the speeds the settings dialog can produce
}

DataFileRecord plainRecord(std::string_view text) {
    DataFileRecord record;
    const auto fields = splitFields(text);
    const int count = std::min(int(fields.size()), kDataFileFields);
    for (int field = 0; field < count; ++field) {
        const auto value = fieldNumber(fields[std::size_t(field)]);
        if (value && fieldTakes(field, *value)) {
            record.Values[std::size_t(field)] = std::int16_t(*value);
            record.Readable[std::size_t(field)] = true;
        }
    }
    return record;
}

// ---- The reader ------------------------------------------------------------------------------

bool sameRecord(const DataFileRecord& a, const DataFileRecord& b) {
    for (std::size_t field = 0; field < kDataFileFields; ++field)
        if (a.Readable[field] != b.Readable[field] ||
            (a.Readable[field] && a.Values[field] != b.Values[field]))
            return false;
    return true;
}

void checkRanges(const DataFileRecord& record) {
    for (int field = 0; field < kDataFileFields; ++field)
        if (record.Readable[std::size_t(field)])
            ZG_REQUIRE(DataFieldRange(field).contains(record.Values[std::size_t(field)]));
}

// The program reads a path; that must give what the bytes give, with 50 progress steps.
void checkFileRead(std::string_view bytes, const DataFileRecord& expected) {
    static const fuzz::ScratchFolder folder;
    const auto path = folder.file("in.dat");
    fuzz::WriteBytes(path, bytes);
    int steps = 0;
    const auto result = ReadDataFile(path, [&steps](int count) { ZG_REQUIRE(count == ++steps); });
    ZG_REQUIRE(result.Opened);
    ZG_REQUIRE(steps == kEventCount);
    ZG_REQUIRE(sameRecord(result.Record, expected));
}

// ---- The document after Open and Merge -------------------------------------------------------

int cellSum(const LedSequence& sequence, EventIndex event) {
    int sum = 0;
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        sum += sequence.cell(channel, event) * BitWeight(channel);
    return sum;
}

void checkDocumentRules(const LedSequence& sequence) {
    for (EventIndex event = 0; event < kEventCount; ++event) {
        for (LedChannel channel = 0; channel < kLedCount; ++channel)
            ZG_REQUIRE(sequence.cell(channel, event) == 0 || sequence.cell(channel, event) == 1);
        ZG_REQUIRE(sequence.eventValue(event) == cellSum(sequence, event));
        ZG_REQUIRE(sequence.eventValueText(event) == std::to_string(cellSum(sequence, event)));
    }
    ZG_REQUIRE(IsEventIndex(sequence.endEvent()));
    for (int slot = 0; slot < kLedCount; ++slot)
        ZG_REQUIRE(IsLedColor(sequence.ledColor(slot)));
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        ZG_REQUIRE(IsServoMode(sequence.servoMode(channel)));
}

// A document unlike a fresh one, so that "left as it was" can be told from "reset".
LedSequence busySequence() {
    LedSequence sequence;
    for (EventIndex event = 0; event < kEventCount; ++event)
        for (LedChannel channel = 0; channel < kLedCount; ++channel)
            sequence.setCell(channel, event, (event * 7 + channel * 3) % 5 == 0 ? 1 : 0);
    constexpr std::array<LedColor, kColorSlots> colors{1, 4, 0, 6, -5, 1234, 32767, -32768};
    for (int slot = 0; slot < kColorSlots; ++slot)
        sequence.setLedColor(slot, colors[std::size_t(slot)]);
    sequence.setEndEvent(17);
    constexpr std::array<ServoControlMode, kLedCount> modes{-1, 0, 8, 3};
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        sequence.setServoMode(channel, modes[std::size_t(channel)]);
    sequence.setTestSpeed(55);
    sequence.setSequencerDelay(66);
    return sequence;
}

// The value a field sets, or the one it leaves when it cannot be read.
int readOr(const DataFileRecord& record, int field, int previous) {
    return record.Readable[std::size_t(field)] ? record.Values[std::size_t(field)] : previous;
}

// EndEvent, servo modes and both speeds: Open and Merge treat them alike.
void checkSettings(const DataFileRecord& record, const LedSequence& before, const LedSequence& after,
                   AppliedSpeeds applied) {
    ZG_REQUIRE(after.endEvent() == readOr(record, kEndEventField, before.endEvent()));
    for (LedChannel channel = 0; channel < kLedCount; ++channel)
        ZG_REQUIRE(after.servoMode(channel) ==
                   readOr(record, ServoModeField(channel), before.servoMode(channel)));
    ZG_REQUIRE(after.sequencerDelay() == readOr(record, kSequencerDelayField, before.sequencerDelay()));
    ZG_REQUIRE(after.testSpeed() == readOr(record, kTestSpeedField, before.testSpeed()));
    ZG_REQUIRE(applied.SequencerDelay == record.Readable[kSequencerDelayField]);
    ZG_REQUIRE(applied.TestSpeed == record.Readable[kTestSpeedField]);
}

void checkOpen(const DataFileRecord& record) {
    const LedSequence before = busySequence();
    LedSequence after = before;
    const AppliedSpeeds applied = OpenRecord(record, after);
    checkDocumentRules(after);
    checkSettings(record, before, after, applied);
    for (EventIndex event = 0; event < kEventCount; ++event) // the grid starts cleared
        ZG_REQUIRE(cellSum(after, event) == readOr(record, EventField(event), 0));
    for (int slot = 0; slot < kColorSlots; ++slot)
        ZG_REQUIRE(after.ledColor(slot) == readOr(record, ColorField(slot), before.ledColor(slot)));
}

void checkMerge(const DataFileRecord& record) {
    const LedSequence before = busySequence();
    LedSequence after = before;
    const AppliedSpeeds applied = MergeRecord(record, after);
    checkDocumentRules(after);
    checkSettings(record, before, after, applied);
    for (EventIndex event = 0; event < kEventCount; ++event) // cells are only ever turned on
        ZG_REQUIRE(cellSum(after, event) == (cellSum(before, event) | readOr(record, EventField(event), 0)));
    for (int slot = 0; slot < kColorSlots; ++slot)
        ZG_REQUIRE(after.ledColor(slot) == before.ledColor(slot));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DataFileRecord record = ReadDataFileText(bytes);
    checkRanges(record);
    ZG_REQUIRE(sameRecord(record, plainRecord(bytes)));
    checkFileRead(bytes, record);
    checkOpen(record);
    checkMerge(record);
    return 0;
}
