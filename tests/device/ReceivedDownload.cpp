#include "ReceivedDownload.h"

#include <algorithm>
#include <limits>

namespace zg::testing {

namespace {

constexpr std::size_t kMarkerSize = 3;
constexpr std::size_t kItemSize = 3;
// The precise timers the pauses run on round to whole milliseconds.
constexpr std::chrono::milliseconds kTimerRounding{2};

bool isMarker(const std::vector<TimedByte>& received) {
    return received.size() >= kMarkerSize && received[0].value == 0x2A && received[1].value == 0x0D &&
           received[2].value == 0x0A;
}

ReceivedItem itemAt(const std::vector<TimedByte>& received, std::size_t start) {
    return ReceivedItem{received[start].value,
                        received[start + 1].value == 0x0D && received[start + 2].value == 0x0A,
                        received[start].at, received[start + 2].at};
}

} // namespace

ReceivedDownload ReceivedDownload::Decode(const std::vector<TimedByte>& received) {
    ReceivedDownload download;
    for (const TimedByte& byte : received)
        download.bytes.push_back(byte.value);
    download.startsWithMarker = isMarker(received);
    if (!download.startsWithMarker)
        return download;
    download.markerEndAt = received[kMarkerSize - 1].at;
    for (std::size_t start = kMarkerSize; start + kItemSize <= received.size(); start += kItemSize)
        download.items.push_back(itemAt(received, start));
    return download;
}

std::vector<std::chrono::duration<double>> ReceivedDownload::Pauses() const {
    std::vector<std::chrono::duration<double>> pauses;
    for (std::size_t i = 0; i < items.size(); ++i)
        pauses.emplace_back(items[i].firstAt - (i == 0 ? markerEndAt : items[i - 1].lastAt));
    return pauses;
}

std::chrono::duration<double> ReceivedDownload::MarkerToFirstItem() const {
    return items.empty() ? std::chrono::duration<double>{} : items.front().firstAt - markerEndAt;
}

std::chrono::duration<double> ReceivedDownload::SmallestItemGap() const {
    std::chrono::duration<double> smallest{std::numeric_limits<double>::infinity()};
    for (std::size_t i = 1; i < items.size(); ++i)
        smallest = std::min<std::chrono::duration<double>>(smallest, items[i].firstAt - items[i - 1].lastAt);
    return smallest;
}

std::chrono::duration<double> ReceivedDownload::MarkerToLastItem() const {
    return items.empty() ? std::chrono::duration<double>{} : items.back().firstAt - markerEndAt;
}

std::vector<std::size_t>
ReceivedDownload::ItemsAheadOfPacing(std::chrono::steady_clock::time_point markerNotYetWritten) const {
    using namespace std::chrono_literals;
    std::vector<std::size_t> ahead;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const auto earliest = markerNotYetWritten + 550ms + 50ms * static_cast<int>(i) - kTimerRounding;
        if (items[i].firstAt < earliest)
            ahead.push_back(i);
    }
    return ahead;
}

} // namespace zg::testing
