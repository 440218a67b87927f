#include "DownloadFixture.h"

#include "FakeSystemLook.h"
#include "ModuleReader.h"
#include "SocatPtyPair.h"
#include "device/QtSerialLink.h"

#include <QFileInfo>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <memory>

using namespace zg;
using namespace std::chrono_literals;

// The download's ends the user brings about, in a suite of their own so that the suites run side
// by side.
class DownloadEnding : public DownloadCommand {};

// Closing the window while the items go out asks first: Yes stops between two items and says how
// many the module got, No lets the download end and then ends the program, and Exit's question
// says a download runs.
TEST_F(DownloadEnding, ClosingDuringTheTransferAsksAndNeverCutsAnItem) {
    startWired();
    const auto closeAfterItems = [&](int items) {
        QTimer sampler;
        bool closed = false;
        QObject::connect(&sampler, &QTimer::timeout, form.get(), [&] {
            if (!closed && find<QProgressBar>("ProgressBar1")->value() >= items) {
                closed = true;
                form->close();
            }
        });
        sampler.start(5);
        download();
    };
    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Yes};
    closeAfterItems(10);
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("A download is running: the module has got "));
    EXPECT_EQ(dialogs.messages[1].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(end.calls, 1);
    module->WaitForBytes(171, 300ms); // nothing more comes
    const std::size_t bytes = module->Received().size();
    EXPECT_EQ((bytes - 3) % 3, 0u) << bytes;
    const int items = int(bytes - 3) / 3;
    EXPECT_LT(items, 56);
    EXPECT_TRUE(dialogs.messages[2].text.startsWith(
        QStringLiteral("The download was stopped after %1 of 56 items were sent").arg(items)))
        << dialogs.messages[2].text.toStdString();

    form.reset();
    module = std::make_unique<zg::testing::ModuleReader>(pty->ModuleEnd());
    dialogs.messages.clear();
    end.calls = 0;
    startWired();
    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::No};
    closeAfterItems(10);
    EXPECT_EQ(end.calls, 1); // once the download was done
    ASSERT_TRUE(module->WaitForBytes(171, 2000ms));
    EXPECT_EQ(module->Received().size(), 171u);

    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Ok};
    bool asked = false;
    QTimer exit;
    QObject::connect(&exit, &QTimer::timeout, form.get(), [&] {
        if (!asked && find<QProgressBar>("ProgressBar1")->value() >= 5) {
            asked = true;
            form->askToExit();
        }
    });
    exit.start(5);
    download();
    ASSERT_GE(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[dialogs.messages.size() - 2].text.contains("A download is running"));
    EXPECT_TRUE(dialogs.messages.back().text.startsWith("The download was stopped"));
    EXPECT_EQ(end.calls, 2);
}

// A question about a download that ends while it is open is taken back: the window stays, since
// the user answered nothing, and Exit asks its question as without a download.
TEST_F(DownloadEnding, AQuestionAboutADownloadThatEndsMeanwhileIsTakenBack) {
    startWired();
    dialogs.duringMessage = [&] {
        if (dialogs.messages.back().text.contains("A download is running")) {
            EXPECT_TRUE(QTest::qWaitFor([this] { return !form->downloading(); }, 10000));
        }
    };
    dialogs.answers = {MessageAnswer::Ok}; // the module is ready; the close question gets no answer
    QTimer::singleShot(300, form.get(), [&] { form->close(); });
    download();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(end.calls, 0);
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(module->WaitForBytes(171, 2000ms));
    EXPECT_EQ(module->Received().size(), 171u);

    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Cancel};
    QTimer::singleShot(300, form.get(), [&] { form->askToExit(); });
    download();
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("A download is running"));
    EXPECT_FALSE(dialogs.messages[2].text.contains("download")) << dialogs.messages[2].text.toStdString();
    EXPECT_EQ(end.calls, 0); // Cancel kept the program
}

// Another program holds the port, named through a link as udev names a cable: by a lock file that
// holds only its number (which Qt takes for stale), or open without a lock. Either is named, with
// its process, before the module is asked for; nothing is sent and the lock stays as it was.
TEST_F(DownloadEnding, AHolderIsNamedBeforeAnythingIsAskedAndItsLockIsLeftAlone) {
    startWired();
    form->downloader().setSystemLook(MakeSystemLook());
    const QString link = dir.filePath("usb-FTDI_FT232R_USB_UART-if00-port0");
    ASSERT_TRUE(QFile::link(QFileInfo(QString::fromStdString(pty->ProgramEnd())).symLinkTarget(), link));
    auto relinked = std::make_unique<QtSerialLink>(DeviceOverride(link.toStdString()));
    form.reset();
    form = std::make_unique<MainWindow>(dialogs, end, std::move(relinked));
    form->downloader().setSystemLook(MakeSystemLook());
    form->show();

    QProcess sleeper;
    sleeper.start("sleep", {"600"});
    ASSERT_TRUE(sleeper.waitForStarted());
    const qint64 locking = sleeper.processId();
    const QString pts = QFileInfo(link).symLinkTarget(); // /dev/pts/N
    const QString lockFile = "/run/lock/LCK.." + pts.mid(5).replace('/', '_');
    const QByteArray lock = QByteArray::number(sleeper.processId()).rightJustified(10) + '\n';
    QFile write(lockFile);
    ASSERT_TRUE(write.open(QIODevice::WriteOnly | QIODevice::Truncate));
    write.write(lock);
    write.close();
    download();
    QFile read(lockFile);
    ASSERT_TRUE(read.open(QIODevice::ReadOnly));
    EXPECT_EQ(read.readAll(), lock);
    read.remove();
    sleeper.kill();
    sleeper.waitForFinished();

    QProcess openWithoutLock;
    openWithoutLock.setStandardOutputFile(pts, QIODevice::Append);
    openWithoutLock.start("sleep", {"600"});
    ASSERT_TRUE(openWithoutLock.waitForStarted());
    const qint64 holding = openWithoutLock.processId();
    download();
    openWithoutLock.kill();
    openWithoutLock.waitForFinished();

    ASSERT_EQ(dialogs.messages.size(), 2u); // no question of the module's
    for (const auto& [message, pid] :
         {std::pair(dialogs.messages[0], locking), std::pair(dialogs.messages[1], holding)}) {
        EXPECT_NE(message.title, kConfirmTitle);
        EXPECT_TRUE(message.text.contains(QStringLiteral("is in use by sleep (process %1)").arg(pid)))
            << message.text.toStdString();
    }
    EXPECT_FALSE(module->WaitForBytes(1, 200ms));
}
