#include "WireLink.h"

#include "device/DownloadSender.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

namespace zg {
namespace {

using namespace std::chrono_literals;
using testing::FakeClock;
using testing::kByteOnWire;
using testing::Time;
using testing::WireByte;
using testing::WireLink;

enum class Step { Sleep, Yield, Value, Progress, Marker };

struct Event {
    Step step;
    Time at;
    int item = -1;
};

// Waits on the fake clock, writing down every wait and callback in order.
struct Harness {
    FakeClock clock;
    WireLink link{clock};
    std::vector<Event> log;
    SteadyClock::duration yieldStep = SteadyClock::duration::max(); // how far one yield gets
    std::function<void()> onYield;                                  // a window event handled in a yield
    int nextItem = 0;

    DownloadWaits waits() {
        return DownloadWaits{
            [this] { return clock.now; },
            [this](Time until) {
                log.push_back({Step::Sleep, clock.now});
                clock.now = std::max(clock.now, until);
            },
            [this](Time until) {
                log.push_back({Step::Yield, clock.now, nextItem});
                if (onYield)
                    onYield();
                const auto left = until - clock.now;
                clock.now += std::max(SteadyClock::duration::zero(), std::min(left, yieldStep));
            },
        };
    }

    DownloadCallbacks callbacks(const std::function<std::uint8_t(int)>& values = [](int item) {
        return static_cast<std::uint8_t>(item);
    }) {
        return DownloadCallbacks{
            [this, values](int item) {
                log.push_back({Step::Value, clock.now, item});
                return values(item);
            },
            [this] {
                log.push_back({Step::Marker, clock.now});
            },
            [this](int item) {
                log.push_back({Step::Progress, clock.now, item});
                nextItem = item + 1;
            },
        };
    }

    std::vector<Event> eventsOf(Step step) const {
        std::vector<Event> found;
        std::copy_if(log.begin(), log.end(), std::back_inserter(found),
                     [&](const Event& e) { return e.step == step; });
        return found;
    }
};

// First and last wire byte of the marker (index -1) or of item k.
std::pair<WireByte, WireByte> chunk(const std::vector<WireByte>& wire, int item) {
    const std::size_t start = 3 * static_cast<std::size_t>(item + 1); // the marker is "item -1"
    return {wire[start], wire[start + 2]};
}

// When a byte starts on the wire, as the far end sees it begin.
Time startOf(const WireByte& byte) {
    return byte.leftAt - kByteOnWire;
}

// The quiet line the far end sees before item k: from the end of the marker or of item k - 1.
SteadyClock::duration quietBefore(const std::vector<WireByte>& wire, int item) {
    return startOf(chunk(wire, item).first) - chunk(wire, item - 1).second.leftAt;
}

TEST(DownloadSender, PausesHoldAtTheFarEndAndLastNoLongerThanNeeded) {
    Harness harness;
    DownloadSender sender(harness.link, harness.waits());
    const DownloadResult result = sender.Send(harness.callbacks());

    ASSERT_TRUE(result.completed());
    EXPECT_EQ(result.itemsSent, 56);
    const auto& wire = harness.link.Wire();
    ASSERT_EQ(wire.size(), 171u);
    // Timed from when the bytes left the line, not from when they were handed over; with waits
    // that end on time, no pause runs past its minimum by more than the guard.
    const auto quiet = [&](int item) { return quietBefore(wire, item); };
    EXPECT_GE(quiet(0), 550ms);
    EXPECT_LE(quiet(0), 550ms + 2 * DownloadSender::kFarEndGuard);
    for (int item = 1; item < 56; ++item) {
        EXPECT_GE(quiet(item), 50ms) << "item " << item;
        EXPECT_LE(quiet(item), 50ms + DownloadSender::kFarEndGuard) << "item " << item;
    }
}

TEST(DownloadSender, PausesCountFromTheDrainNotFromTheWrite) {
    Harness harness;
    DownloadSender sender(harness.link, harness.waits());
    ASSERT_TRUE(sender.Send(harness.callbacks()).completed());

    // Write 0 is the marker, write k + 1 item k. Each drain takes the line time of its three bytes,
    // 12.5 ms, far more than the guard: a pause timed from the write would end 12 ms too soon.
    const auto& queued = harness.link.QueuedAt();
    const auto& drained = harness.link.DrainedAt();
    ASSERT_EQ(queued.size(), 57u);
    ASSERT_EQ(drained.size(), 57u);
    EXPECT_EQ(drained[0] - queued[0], 3 * kByteOnWire);
    const auto guard = DownloadSender::kFarEndGuard;
    const auto firstYield = harness.eventsOf(Step::Yield).front().at;
    EXPECT_GE(firstYield - drained[0], 500ms) << "the half second ran from the marker's write";
    EXPECT_LE(firstYield - drained[0], 500ms + guard);
    for (std::size_t write = 1; write < 57; ++write) {
        EXPECT_GE(queued[write] - drained[write - 1], write == 1 ? 550ms : 50ms) << "write " << write;
        EXPECT_LE(queued[write] - drained[write - 1], write == 1 ? 550ms + 2 * guard : 50ms + guard)
            << "write " << write;
    }
}

TEST(DownloadSender, MarkerPauseBlocksAndEveryItemPauseHandlesEvents) {
    Harness harness;
    DownloadSender sender(harness.link, harness.waits());
    ASSERT_TRUE(sender.Send(harness.callbacks()).completed());

    const auto markerLeft = chunk(harness.link.Wire(), -1).second.leftAt;
    const auto yields = harness.eventsOf(Step::Yield);
    ASSERT_FALSE(yields.empty());
    EXPECT_GE(yields.front().at, markerLeft + 500ms) << "window events handled during the half second";
    EXPECT_FALSE(harness.eventsOf(Step::Sleep).empty());
    for (int item = 0; item < 56; ++item)
        EXPECT_TRUE(std::any_of(yields.begin(), yields.end(), [&](const Event& e) { return e.item == item; }))
            << "no events handled before item " << item;
}

TEST(DownloadSender, WaitsThatReturnEarlyStillGiveTheFullPauses) {
    Harness harness;
    harness.yieldStep = 7ms; // an event loop that was quit early
    DownloadWaits waits = harness.waits();
    waits.sleepUntil = [&](Time until) { harness.clock.now = std::min(until, harness.clock.now + 100ms); };
    DownloadSender sender(harness.link, waits);
    ASSERT_TRUE(sender.Send(harness.callbacks()).completed());

    const auto& wire = harness.link.Wire();
    EXPECT_GE(harness.eventsOf(Step::Yield).front().at, chunk(wire, -1).second.leftAt + 500ms)
        << "window events handled during the half second";
    EXPECT_GE(quietBefore(wire, 0), 550ms);
    for (int item = 1; item < 56; ++item)
        EXPECT_GE(quietBefore(wire, item), 50ms) << "item " << item;
}

TEST(DownloadSender, ReadsEachValueAtItsTurnAndReportsProgressAfterIt) {
    Harness harness;
    std::vector<std::uint8_t> values(56, 1);
    harness.onYield = [&] {
        if (harness.nextItem == 20) { // the user edits while item 20 waits
            values[10] = 7;
            values[30] = 9;
        }
    };
    DownloadSender sender(harness.link, harness.waits());
    ASSERT_TRUE(
        sender.Send(harness.callbacks([&](int item) { return values[std::size_t(item)]; })).completed());

    const auto& wire = harness.link.Wire();
    EXPECT_EQ(chunk(wire, 10).first.value, 1) << "an item already sent changed";
    EXPECT_EQ(chunk(wire, 30).first.value, 9) << "an item not yet sent kept its old value";
    std::vector<int> asked, reported;
    for (const Event& e : harness.log) {
        if (e.step == Step::Value)
            asked.push_back(e.item);
        if (e.step == Step::Progress) {
            reported.push_back(e.item);
            EXPECT_EQ(asked.size(), reported.size()) << "progress before its item was sent";
        }
    }
    std::vector<int> all(56);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(asked, all);
    EXPECT_EQ(reported, all);
    EXPECT_EQ(harness.log.front().step, Step::Marker);
}

TEST(DownloadSender, LinkFailureStopsAndTellsHowManyItemsLeft) {
    Harness harness;
    harness.link.FailOnWrite(18); // the marker is write 0, so this is item 17
    DownloadSender sender(harness.link, harness.waits());
    const DownloadResult result = sender.Send(harness.callbacks());

    EXPECT_EQ(result.status, DownloadStatus::Failed);
    EXPECT_EQ(result.itemsSent, 17);
    EXPECT_EQ(result.error.kind, LinkErrorKind::Io);
    EXPECT_EQ(result.error.reason, "Input/output error");
    EXPECT_EQ(harness.link.Wire().size(), 3u + 17u * 3u);
    EXPECT_EQ(harness.eventsOf(Step::Progress).back().item, 16);
    EXPECT_FALSE(sender.IsBusy());
}

TEST(DownloadSender, ClosedLinkFailsBeforeAnythingIsSent) {
    Harness harness;
    harness.link.Close();
    DownloadSender sender(harness.link, harness.waits());
    const DownloadResult result = sender.Send(harness.callbacks());

    EXPECT_EQ(result.status, DownloadStatus::Failed);
    EXPECT_EQ(result.itemsSent, 0);
    EXPECT_EQ(result.error.kind, LinkErrorKind::NotOpen);
    EXPECT_TRUE(harness.eventsOf(Step::Marker).empty());
    EXPECT_TRUE(harness.link.Wire().empty());
}

TEST(DownloadSender, SecondDownloadDuringATransferDoesNothing) {
    Harness harness;
    DownloadSender sender(harness.link, harness.waits());
    std::optional<DownloadResult> nested;
    std::size_t wireBefore = 0, wireAfter = 0;
    harness.onYield = [&] {
        if (harness.nextItem != 5 || nested)
            return;
        wireBefore = harness.link.Wire().size();
        nested = sender.Send(harness.callbacks()); // the Download menu, chosen during a pause
        wireAfter = harness.link.Wire().size();
    };
    ASSERT_TRUE(sender.Send(harness.callbacks()).completed());

    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->status, DownloadStatus::AlreadyRunning);
    EXPECT_EQ(wireAfter, wireBefore);
    EXPECT_EQ(harness.link.Wire().size(), 171u);
    EXPECT_FALSE(sender.IsBusy());
    EXPECT_TRUE(sender.Send(harness.callbacks()).completed()) << "the guard outlived the transfer";
}

} // namespace
} // namespace zg
