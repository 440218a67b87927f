#include "HandWrittenStream.h"
#include "ModuleReader.h"
#include "QtTestApp.h"
#include "ReceivedDownload.h"
#include "SocatPtyPair.h"
#include "WorkedExample.h"
#include "device/DownloadFrame.h"
#include "device/DownloadMessages.h"
#include "device/DownloadSender.h"
#include "device/DownloadSession.h"
#include "device/LineSettings.h"
#include "device/LinuxSystemLook.h"
#include "device/PortFindings.h"
#include "device/QtSerialLink.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <optional>

namespace zg {
namespace {

using namespace std::chrono_literals;
using testing::ModuleReader;
using testing::ReceivedDownload;
using testing::SocatPtyPair;
using testing::TimedByte;

constexpr LedChannel kLed1 = 0, kLed2 = 1, kLed3 = 2, kLed4 = 3;
constexpr int kCablePort = 1;
constexpr auto kArrivalTimeout = 3s;

std::vector<int> allItems() {
    std::vector<int> items(DownloadFrame::kItemCount);
    std::iota(items.begin(), items.end(), 0);
    return items;
}

// The program on one end of a socat pseudo-terminal pair, the stand-in module on the other.
class SerialPty : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::EnsureQtApp();
        if (!SocatPtyPair::FindSocat())
            GTEST_SKIP() << "socat is not installed; these tests need it for a pseudo-terminal pair";
        pair_ = std::make_unique<SocatPtyPair>();
        ASSERT_TRUE(pair_->Ready()) << "socat made no pseudo-terminal pair";
        reader_ = std::make_unique<ModuleReader>(pair_->ModuleEnd());
        ASSERT_TRUE(reader_->Ready()) << "cannot read " << pair_->ModuleEnd();
        link_ = std::make_unique<QtSerialLink>(cableResolver());
    }

    DeviceResolver cableResolver() const {
        return [end = pair_->ProgramEnd()](int port) -> std::optional<std::string> {
            return port == kCablePort ? std::optional(end) : std::nullopt;
        };
    }

    void openCable() {
        ASSERT_TRUE(link_->Open(kCablePort, kDownloadLineSettings)) << link_->LastError().reason;
    }

    // The next `count` bytes the module got after the `skip` bytes of earlier downloads.
    ReceivedDownload receive(std::size_t skip, std::size_t count) {
        EXPECT_TRUE(reader_->WaitForBytes(skip + count, kArrivalTimeout)) << "the module got too few bytes";
        const std::vector<TimedByte> all = reader_->Received();
        const auto from = all.begin() + std::ptrdiff_t(std::min(skip, all.size()));
        return ReceivedDownload::Decode(
            {from, from + std::ptrdiff_t(std::min(count, std::size_t(all.end() - from)))});
    }

    // A download as the window runs it: on its timer, with the event loop turning in between.
    DownloadResult runSession(DownloadSession::ValueAt valueAt, const std::function<void()>& onMarker,
                              const std::function<void(int)>& onItem) {
        DownloadSession session(*link_, std::move(valueAt));
        std::optional<DownloadResult> result;
        QEventLoop loop;
        QObject::connect(&session, &DownloadSession::markerSent, [&] {
            if (onMarker)
                onMarker();
        });
        QObject::connect(&session, &DownloadSession::itemSent, [&](int item) { onItem(item); });
        QObject::connect(&session, &DownloadSession::finished, [&](const DownloadResult& r) {
            result = r;
            loop.quit();
        });
        session.start();
        if (!result)
            loop.exec();
        return *result;
    }

    std::unique_ptr<SocatPtyPair> pair_;
    std::unique_ptr<ModuleReader> reader_;
    std::unique_ptr<QtSerialLink> link_;
};

// Two downloads through the same cable: the worked example, then one edited while it runs. Their
// bytes must arrive exactly, and none sooner than the pauses allow.
TEST_F(SerialPty, DownloadsArriveExactlyWithTheMinimumPausesAtTheFarEnd) {
    LedSequence example;
    testing::SetWorkedExample(example);
    example.setSequencerDelay(30);
    ASSERT_NO_FATAL_FAILURE(openCable());

    SteadyClock::time_point markerAt, eventHandledAt, firstItemAt;
    std::vector<int> progress;
    const auto firstStarted = SteadyClock::now();
    const DownloadResult first = runSession(
        DownloadFrame::LiveValues(example),
        [&] {
            markerAt = SteadyClock::now();
            QTimer::singleShot(0, [&] { eventHandledAt = SteadyClock::now(); }); // a click during the pause
        },
        [&](int item) {
            if (progress.empty())
                firstItemAt = SteadyClock::now();
            progress.push_back(item);
        });
    ASSERT_TRUE(first.completed()) << first.error.reason;
    EXPECT_EQ(progress, allItems());
    EXPECT_GE(eventHandledAt - markerAt, 500ms) << "window events were handled during the half-second pause";
    EXPECT_LT(eventHandledAt, firstItemAt) << "window events were not handled before the first item";

    LedSequence edited;
    for (const LedChannel led : {kLed1, kLed3, kLed4})
        edited.setCell(led, 3, 1); // 13, the carriage return
    for (const LedChannel led : {kLed2, kLed4})
        edited.setCell(led, 4, 1); // 10, the line feed
    std::optional<std::size_t> editedAfterItems;
    progress.clear();
    const auto secondStarted = SteadyClock::now();
    const DownloadResult second = runSession(DownloadFrame::LiveValues(edited), nullptr, [&](int item) {
        progress.push_back(item);
        if (item != 20)
            return;
        QTimer::singleShot(0, [&] {       // the user edits the grid during the pause
            edited.setCell(kLed1, 10, 1); // already sent
            edited.setCell(kLed2, 30, 1); // not yet sent
            edited.setCell(kLed4, 30, 1);
            edited.setEndEvent(30);
            editedAfterItems = progress.size();
        });
    });
    link_->Close();
    ASSERT_TRUE(second.completed()) << second.error.reason;
    EXPECT_EQ(editedAfterItems, std::optional<std::size_t>(21))
        << "the edit did not run in the pause before item 21";

    const ReceivedDownload one = receive(0, DownloadFrame::kStreamSize);
    const ReceivedDownload two = receive(DownloadFrame::kStreamSize, DownloadFrame::kStreamSize);
    EXPECT_EQ(one.bytes, testing::WorkedExampleStream());
    std::vector<int> expected(56, 0);
    expected[3] = 13;
    expected[4] = 10;
    expected[30] = 10;
    std::fill(expected.begin() + 50, expected.begin() + 54, 15);
    expected[54] = 30;
    expected[55] = 30;
    EXPECT_EQ(two.bytes, testing::HandWrittenStream(expected));

    // The pacing as the module saw it. The exact minimums (0.55 s before item 0, 0.05 s between
    // items, counted from the drain) are proven on a faked clock in DownloadSenderTest; here the far
    // end shows that no item arrives sooner than they allow through a real serial driver. How close
    // the pauses stay to their minimum is a figure for scripts/bench.
    EXPECT_EQ(one.ItemsAheadOfPacing(firstStarted), std::vector<std::size_t>{});
    EXPECT_EQ(two.ItemsAheadOfPacing(secondStarted), std::vector<std::size_t>{});
}

TEST_F(SerialPty, CableVanishingMidTransferStopsAndTellsHowManyItemsWereSent) {
    ASSERT_NO_FATAL_FAILURE(openCable());
    LedSequence sequence;
    DownloadSender sender(*link_);
    const DownloadResult result = sender.Send({
        DownloadFrame::LiveValues(sequence),
        nullptr,
        [&](int item) {
            if (item == 10)
                pair_->Vanish();
        },
    });
    link_->Close();

    EXPECT_EQ(result.status, DownloadStatus::Failed);
    EXPECT_EQ(result.itemsSent, 11);
    EXPECT_EQ(result.error.device, pair_->ProgramEnd());
    EXPECT_FALSE(result.error.reason.empty());
    const std::string message = TransferFailureMessage(result);
    EXPECT_NE(message.find("11 of 56"), std::string::npos) << message;
    EXPECT_NE(message.find(result.error.reason), std::string::npos) << message;
    EXPECT_FALSE(link_->IsOpen());
}

TEST_F(SerialPty, CloseLetsTheQueuedBytesLeaveFirst) {
    ASSERT_NO_FATAL_FAILURE(openCable());
    const std::vector<std::uint8_t> stream = DownloadFrame::Stream(LedSequence{});
    ASSERT_TRUE(link_->Write(stream));
    link_->Close();

    EXPECT_FALSE(link_->IsOpen());
    EXPECT_EQ(receive(0, stream.size()).bytes, stream);
}

// On a pseudo-terminal the bytes are gone at once; on a 2400 bit/s cable a pause timed from the
// write instead of the drain would be 12.5 ms short. So: every wait drains, after its write.
TEST_F(SerialPty, EveryWaitDrainsTheDriverAfterTheBytesWereHandedOver) {
    ASSERT_NO_FATAL_FAILURE(openCable());
    int drains = 0;
    link_->setDrainDriver([&](QtSerialLink::PortHandle handle) {
        ++drains;
        return QtSerialLink::SystemDrain(handle);
    });
    const std::vector<std::uint8_t> marker{0x2A, 0x0D, 0x0A};
    ASSERT_TRUE(link_->Write(marker));
    EXPECT_EQ(drains, 0); // a write returns without waiting
    ASSERT_TRUE(link_->WaitUntilSent());
    EXPECT_EQ(drains, 1);
    EXPECT_EQ(receive(0, 3).bytes, marker);

    DownloadSender sender(*link_);
    DownloadCallbacks callbacks;
    callbacks.valueAt = [](int) { return std::uint8_t(0); };
    drains = 0;
    ASSERT_TRUE(sender.Send(callbacks).completed());
    EXPECT_EQ(drains, 57); // the marker and each of the 56 items
    link_->setDrainDriver([](QtSerialLink::PortHandle) { return EIO; });
    ASSERT_TRUE(link_->Write(marker));
    EXPECT_FALSE(link_->WaitUntilSent()); // a failing drain is a failing wait
    EXPECT_EQ(link_->LastError().kind, LinkErrorKind::Io);
}

TEST_F(SerialPty, DeviceNamedOnTheCommandLineServesEveryPortNumber) {
    QtSerialLink named(DeviceOverride(pair_->ProgramEnd()));
    ASSERT_TRUE(named.Open(4, kDownloadLineSettings)) << named.LastError().reason;
    const std::vector<std::uint8_t> marker{0x2A, 0x0D, 0x0A};
    ASSERT_TRUE(named.Write(marker));
    named.Close();
    EXPECT_EQ(receive(0, marker.size()).bytes, marker);
}

TEST_F(SerialPty, PortHeldByAnotherLinkIsInUseNotForbidden) {
    ASSERT_NO_FATAL_FAILURE(openCable());
    QtSerialLink second(cableResolver());

    EXPECT_FALSE(second.Open(kCablePort, kDownloadLineSettings));
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(second.LastError().kind, LinkErrorKind::InUse) << second.LastError().reason;
    const std::string message = OpenFailureMessage(kCablePort, second.LastError(), true);
    EXPECT_NE(message.find(pair_->ProgramEnd()), std::string::npos) << message;
    EXPECT_EQ(message.find("dialout"), std::string::npos) << message;
    EXPECT_TRUE(link_->IsOpen());
}

// Another program holding the cable's port: the download's open fails as busy, and the system is
// asked who holds it, through the lock file and /proc.
TEST_F(SerialPty, PortHeldByAnotherProgramNamesItsProcess) {
    QProcess holder;
    holder.start(QStringLiteral(ZG_HOLD_PORT), {QString::fromStdString(pair_->ProgramEnd())});
    ASSERT_TRUE(holder.waitForReadyRead(10000)) << holder.readAllStandardError().toStdString();
    const std::string pid = std::to_string(holder.processId());

    EXPECT_FALSE(link_->Open(kCablePort, kDownloadLineSettings));
    EXPECT_EQ(link_->LastError().kind, LinkErrorKind::InUse);
    const LinuxSystemLook system;
    const auto holding = system.lockHolder(pair_->ProgramEnd());
    ASSERT_TRUE(holding.has_value());
    EXPECT_EQ(holding->pid, holder.processId());
    const std::string said = FindingsText(DeviceFindings(*link_->Device(), system, true));
    EXPECT_NE(said.find("hold_port (process " + pid + ")"), std::string::npos) << said;
    EXPECT_NE(said.find("kill " + pid), std::string::npos) << said;
    // /proc tells the holder too; socat, at the pty's other end, holds it as the cable, not as a rival
    std::vector<std::string> users;
    for (const ProcessInfo& user : system.processesUsing(pair_->ProgramEnd()))
        users.push_back(user.name);
    EXPECT_EQ(users, std::vector<std::string>{"hold_port"});

    holder.closeWriteChannel();
    ASSERT_TRUE(holder.waitForFinished(10000));
    EXPECT_FALSE(system.lockHolder(pair_->ProgramEnd()).has_value());
    ASSERT_NO_FATAL_FAILURE(openCable());
}

TEST_F(SerialPty, SettingsNotUnderstoodLeaveThePortClosed) {
    EXPECT_FALSE(link_->Open(kCablePort, "2400,x,8,1"));
    EXPECT_EQ(link_->LastError().kind, LinkErrorKind::Settings);
    EXPECT_FALSE(link_->IsOpen());
    ASSERT_NO_FATAL_FAILURE(openCable()); // and the device was not left locked
}

} // namespace
} // namespace zg
