// Downloads through Windows COM ports as the program names and opens them. Under Wine, with COM5
// and COM10 led to one end of a socat pseudo-terminal pair whose traffic socat logs with the time
// of each read: scripts/windows --test sets that up and names the log in ZG_FAR_END_LOG.
#include "QtTestApp.h"
#include "ReceivedDownload.h"
#include "WorkedExample.h"
#include "device/CommPortDevice.h"
#include "device/DownloadFrame.h"
#include "device/DownloadSender.h"
#include "device/LineSettings.h"
#include "device/PresentSerialPorts.h"
#include "device/QtSerialLink.h"

#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>

namespace zg {
namespace {

using namespace std::chrono_literals;
using testing::ReceivedDownload;
using testing::TimedByte;

constexpr int kMappedPort = 5;

// Both clocks read at one moment: socat logs wall-clock times, the pacing runs on the steady clock.
struct ClockPair {
    std::chrono::system_clock::time_point wall = std::chrono::system_clock::now();
    std::chrono::steady_clock::time_point steady = std::chrono::steady_clock::now();
};

// socat -x writes "> 2026/12/08 19:14:33.000774048  length=3 from=0 to=2" and then the bytes in
// hex. Its times are UTC (the script runs it with TZ=UTC); socat 1.7.4 pads their microseconds to
// nine digits.
std::vector<TimedByte> readFarEndLog(const QString& path, const ClockPair& clocks) {
    QFile log(path);
    if (!log.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression header(
        QStringLiteral(R"(^> (\d+)/(\d+)/(\d+) (\d+):(\d+):(\d+)\.(\d+)\s+length=)"));
    std::vector<TimedByte> bytes;
    std::chrono::steady_clock::time_point at;
    for (const QString& line : QString::fromLatin1(log.readAll()).split(u'\n')) {
        if (const auto match = header.match(line); match.hasMatch()) {
            using namespace std::chrono;
            const auto day =
                sys_days(year_month_day(year(match.captured(1).toInt()), month(match.captured(2).toUInt()),
                                        std::chrono::day(match.captured(3).toUInt())));
            const auto wall = day + hours(match.captured(4).toInt()) + minutes(match.captured(5).toInt()) +
                              seconds(match.captured(6).toInt()) +
                              microseconds(match.captured(7).toLongLong());
            at = clocks.steady + duration_cast<steady_clock::duration>(wall - clocks.wall);
        } else if (line.startsWith(u' ')) {
            for (const QString& hex : line.split(u' ', Qt::SkipEmptyParts))
                bytes.push_back({static_cast<std::uint8_t>(hex.toUInt(nullptr, 16)), at});
        }
    }
    return bytes;
}

class WineComPort : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::EnsureQtApp();
        log_ = qEnvironmentVariable("ZG_FAR_END_LOG");
        if (log_.isEmpty())
            GTEST_SKIP() << "ZG_FAR_END_LOG names no far-end log: scripts/windows --test maps the ports";
    }

    // The bytes the far end got after the `skip` bytes of earlier tests, once `count` have come.
    std::vector<TimedByte> farEnd(std::size_t skip, std::size_t count, const ClockPair& clocks) const {
        std::vector<TimedByte> bytes;
        for (int tries = 0; tries < 60 && bytes.size() < skip + count; ++tries) {
            QThread::msleep(50);
            bytes = readFarEndLog(log_, clocks);
        }
        return {bytes.begin() + std::ptrdiff_t(std::min(skip, bytes.size())), bytes.end()};
    }

    std::size_t farEndSoFar() const { return readFarEndLog(log_, ClockPair{}).size(); }

    QString log_;
};

TEST_F(WineComPort, TheWorkedExampleReachesTheFarEndOfPort5ExactlyAndNeverAheadOfThePacing) {
    LedSequence example;
    testing::SetWorkedExample(example);
    example.setSequencerDelay(30);
    QtSerialLink link(&WindowsDeviceForPort); // port 5 is COM5, as the program names it
    ASSERT_TRUE(link.Open(kMappedPort, kDownloadLineSettings)) << link.LastError().reason;
    const std::size_t earlier = farEndSoFar();

    const ClockPair started;
    const DownloadResult result =
        DownloadSender(link).Send({DownloadFrame::LiveValues(example), nullptr, nullptr});
    link.Close();
    ASSERT_TRUE(result.completed()) << result.error.reason;

    const ReceivedDownload received =
        ReceivedDownload::Decode(farEnd(earlier, DownloadFrame::kStreamSize, started));
    EXPECT_EQ(received.bytes, testing::WorkedExampleStream());
    EXPECT_EQ(received.ItemsAheadOfPacing(started.steady), std::vector<std::size_t>{});
    std::cout << "far end of COM5: " << received.bytes.size() << " bytes, marker to item 0 "
              << std::chrono::duration<double, std::milli>(received.MarkerToFirstItem()).count()
              << " ms, smallest gap between items "
              << std::chrono::duration<double, std::milli>(received.SmallestItemGap()).count() << " ms\n";
}

// COM10 and above open only as "\\.\COM10" through the Windows API; a user may type either.
TEST_F(WineComPort, APortAboveNineOpensByItsNameAndByItsDevicePathAndIsListedAsAboveSix) {
    for (const std::string name : {"COM10", "\\\\.\\COM10"}) {
        QtSerialLink link(DeviceOverride(name));
        EXPECT_TRUE(link.Open(1, kDownloadLineSettings)) << name << ": " << link.LastError().reason;
        link.Close();
    }
    const PortLookup lookup = WindowsPortLookup(kMappedPort, PresentSerialPorts());
    EXPECT_TRUE(lookup.deviceListed);
    ASSERT_EQ(lookup.beyondNumbers.size(), 1u);
    EXPECT_EQ(lookup.beyondNumbers[0].name, "COM10");
}

} // namespace
} // namespace zg
