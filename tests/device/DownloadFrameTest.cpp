#include "device/DownloadFrame.h"
#include "HandWrittenStream.h"
#include "WorkedExample.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zg {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::HandWrittenStream;
using testing::Joined;
using testing::Repeated;

constexpr LedChannel kLed1 = 0, kLed2 = 1, kLed3 = 2, kLed4 = 3;

TEST(DownloadFrame, WorkedExampleGivesTheDocumentedStream) {
    LedSequence sequence;
    testing::SetWorkedExample(sequence);
    sequence.setSequencerDelay(30);

    const Bytes expected = testing::WorkedExampleStream();
    EXPECT_EQ(DownloadFrame::Stream(sequence), expected);
    EXPECT_EQ(expected.size(), 171u);
}

TEST(DownloadFrame, AllOffSequenceGives171BytesWithEndEvent49) {
    LedSequence sequence;
    sequence.setSequencerDelay(30);

    const Bytes expected = HandWrittenStream(Joined({Repeated(0x00, 50), Repeated(0x0F, 4), {0x1E, 0x31}}));
    EXPECT_EQ(DownloadFrame::Stream(sequence), expected);
}

TEST(DownloadFrame, ValuesThirteenAndTenGoOutUnescaped) {
    LedSequence sequence;
    for (const LedChannel led : {kLed1, kLed3, kLed4})
        sequence.setCell(led, 5, 1);
    for (const LedChannel led : {kLed2, kLed4})
        sequence.setCell(led, 6, 1);
    const Bytes stream = DownloadFrame::Stream(sequence);

    ASSERT_EQ(stream.size(), 171u);
    const auto itemAt = [&](std::ptrdiff_t item) {
        return Bytes(stream.begin() + 3 + 3 * item, stream.begin() + 6 + 3 * item);
    };
    EXPECT_EQ(itemAt(5), (Bytes{0x0D, 0x0D, 0x0A}));
    EXPECT_EQ(itemAt(6), (Bytes{0x0A, 0x0D, 0x0A}));
}

TEST(DownloadFrame, ItemsFollowTheDocumentAndSettings) {
    LedSequence sequence;
    sequence.setCell(kLed4, 49, 1); // after EndEvent, still sent with its contents
    sequence.setEndEvent(10);
    sequence.setServoMode(kLed1, -1); // typed text in the list: sent like "NONE"
    sequence.setServoMode(kLed3, 9);
    sequence.setSequencerDelay(0); // the settings dialog confirmed without an entry
    sequence.setTestSpeed(99);     // the test speed never reaches the module

    EXPECT_EQ(DownloadFrame::Value(sequence, 49), 8);
    EXPECT_EQ(DownloadFrame::Value(sequence, 50), 15);
    EXPECT_EQ(DownloadFrame::Value(sequence, 51), 15);
    EXPECT_EQ(DownloadFrame::Value(sequence, 52), 9);
    EXPECT_EQ(DownloadFrame::Value(sequence, 54), 0);
    EXPECT_EQ(DownloadFrame::Value(sequence, 55), 10);
    sequence.setSequencerDelay(100);
    EXPECT_EQ(DownloadFrame::Value(sequence, 54), 100);
}

TEST(DownloadFrame, LiveValuesReadTheDocumentWhenAsked) {
    LedSequence sequence;
    const auto valueAt = DownloadFrame::LiveValues(sequence);
    EXPECT_EQ(valueAt(7), 0);

    sequence.setCell(kLed1, 7, 1);
    sequence.setCell(kLed4, 7, 1);
    sequence.setSequencerDelay(55);
    sequence.setEndEvent(20);
    EXPECT_EQ(valueAt(7), 9);
    EXPECT_EQ(valueAt(54), 55);
    EXPECT_EQ(valueAt(55), 20);
}

} // namespace
} // namespace zg
