#include "DownloadFrame.h"

namespace zg {

namespace {

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

int servoValue(ServoControlMode mode) {
    return mode < 0 ? kServoNone : mode;
}

} // namespace

std::uint8_t DownloadFrame::Value(const LedSequence& sequence, int item) {
    if (item >= 0 && item < kFirstServoItem)
        return lowByte(sequence.eventValue(item));
    if (item >= kFirstServoItem && item < kDelayItem)
        return lowByte(servoValue(sequence.servoMode(item - kFirstServoItem)));
    if (item == kDelayItem)
        return lowByte(sequence.sequencerDelay());
    if (item == kEndEventItem)
        return lowByte(sequence.endEvent());
    return 0;
}

std::vector<std::uint8_t> DownloadFrame::Stream(const LedSequence& sequence) {
    std::vector<std::uint8_t> stream(kStartMarker.begin(), kStartMarker.end());
    stream.reserve(kStreamSize);
    for (int item = 0; item < kItemCount; ++item) {
        const Item bytes = ItemBytes(Value(sequence, item));
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    return stream;
}

std::function<std::uint8_t(int item)> DownloadFrame::LiveValues(const LedSequence& sequence) {
    return [&sequence](int item) { return Value(sequence, item); };
}

std::function<std::uint8_t(int item)> DownloadFrame::ValuesNow(const LedSequence& sequence) {
    LedSequence frozen = sequence;
    frozen.setObserver(nullptr); // a copy that nobody watches and nothing changes
    return [frozen](int item) { return Value(frozen, item); };
}

} // namespace zg
