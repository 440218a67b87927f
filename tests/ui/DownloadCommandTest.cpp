#include "DownloadFixture.h"

#include "FakeSystemLook.h"
#include "ModuleReader.h"
#include "ReceivedDownload.h"
#include "SocatPtyPair.h"
#include "WorkedExample.h"
#include "device/QtSerialLink.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>

#include <chrono>
#include <memory>

using namespace zg;
using namespace std::chrono_literals;

TEST_F(DownloadCommand, SendsTheStreamWithProgressWhileTheWindowStaysUsable) {
    startWired();
    zg::testing::SetWorkedExample(form->sequence());
    bool portHeldWhileAsking = false;
    dialogs.answers = {MessageAnswer::Ok};
    dialogs.duringMessage = [&] {
        portHeldWhileAsking = !portIsFree();
        for (const char* name :
             {"TestButton", "Settings_button", "DownloadButton", "OpenButton", "SaveButton"})
            EXPECT_FALSE(find<QPushButton>(QLatin1String(name))->isEnabled()) << name;
        EXPECT_TRUE(find<QPushButton>("Settings_button")->isVisible());
        form->sequence().setCell(3, 40, 1); // on screen when OK is pressed: event 40 goes out as 8
    };
    std::vector<int> progress;
    int editedAfterItems = -1;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, form.get(), [&] {
        auto* bar = find<QProgressBar>("ProgressBar1");
        if (!form->downloading() || !bar->isVisible())
            return;
        EXPECT_FALSE(find<QPushButton>("Settings_button")->isVisible());
        EXPECT_TRUE(find<QLabel>("DLlabel")->isVisible());
        if (progress.empty() || progress.back() != bar->value())
            progress.push_back(bar->value());
        if (editedAfterItems < 0 && bar->value() >= 20) {
            editedAfterItems = bar->value() + 1; // items 0..value have left
            dialogs.duringMessage = nullptr;
            form->newDocument(); // the module still gets the pattern confirmed, not half of each
            form->sequence().setCell(0, 45, 1);
            form->findChild<QAction*>("MENUdownload")->trigger(); // a second download does nothing
        }
    });
    sampler.start(5);
    download();
    sampler.stop();

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, kConfirmTitle);
    // The six lines as ever, then the device that port 2 names today.
    const QString device = QString::fromStdString(pty->ProgramEnd());
    EXPECT_EQ(dialogs.messages[0].text,
              "\r 1) Cycle power/Connect Zelta-Glow to programming cable (All LEDs flash), then\r\r"
              " 2)  Wait till all LEDS come on and stay on, then\r\r"
              " 3)  With all LEDs lit, Press 'OK' to download to Zelta-Glow...\r\r"
              "Port 2: " +
                  device);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(portHeldWhileAsking);

    ASSERT_TRUE(module->WaitForBytes(171, 2000ms));
    const auto received = zg::testing::ReceivedDownload::Decode(module->Received());
    auto expected = zg::testing::WorkedExampleStream();
    ASSERT_GE(editedAfterItems, 20);
    ASSERT_LT(editedAfterItems, 56); // during the stream, however late the sampler came
    expected[3 + 40 * 3] = 8;
    EXPECT_EQ(received.bytes, expected);
    EXPECT_GE(received.MarkerToFirstItem(), 0.5s);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), 0);
    EXPECT_EQ(progress.back(), 54); // the last item is followed by no pause: 55 is never seen shown
    EXPECT_EQ(find<QProgressBar>("ProgressBar1")->value(), 55);
    EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
    expectIdle();
    // Where the progress stood, the end is reported until the next edit.
    auto* sent = find<QLabel>("SentLabel");
    EXPECT_TRUE(sent->isVisible());
    const auto said = QRegularExpression("^Sent 56 items to " + QRegularExpression::escape(device) +
                                         " in (\\d+\\.\\d) s\\.$")
                          .match(sent->text());
    ASSERT_TRUE(said.hasMatch()) << sent->text().toStdString();
    EXPECT_GE(said.captured(1).toDouble(), 3.3); // the marker's half second and 56 pauses of 50 ms
    click(0, 1);
    EXPECT_FALSE(sent->isVisible());
}

// F5 and an open pop-up list used to wait inside the download's pauses and hold the stream up
// until they ended; now neither stops the timer the items go out on.
TEST_F(DownloadCommand, TestAndAnOpenListDuringTheTransferDoNotHoldTheStreamUp) {
    startWired();
    dialogs.answers = {MessageAnswer::Ok};
    std::chrono::steady_clock::time_point okAt;
    dialogs.duringMessage = [&] { okAt = std::chrono::steady_clock::now(); }; // before the marker
    bool interfered = false;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, form.get(), [&] {
        if (interfered || find<QProgressBar>("ProgressBar1")->value() < 10)
            return;
        interfered = true;
        QTest::keyClick(form->windowHandle(), Qt::Key_F5);               // a test starts and plays on
        QTest::mouseClick(find<QWidget>("LEDlabel1_1"), Qt::LeftButton); // the colour list stays open
    });
    sampler.start(5);
    download();
    sampler.stop();
    EXPECT_TRUE(interfered);
    EXPECT_TRUE(find<QWidget>("ColorList")->isVisible());
    ASSERT_TRUE(module->WaitForBytes(171, 2000ms));
    const auto received = zg::testing::ReceivedDownload::Decode(module->Received());
    EXPECT_EQ(received.bytes.size(), 171u);
    ASSERT_EQ(received.items.size(), 56u);
    // Held up, the stream would not end while the list stays open; download() gives it ten
    // seconds. Neither may it catch up: no item comes sooner than the pauses allow.
    EXPECT_EQ(received.ItemsAheadOfPacing(okAt), std::vector<std::size_t>{});
}

// A servo-controlled test stopped by the download winds down while the items go out: the stick
// leaves the Settings button's place, but the button stays hidden until the download has ended.
TEST_F(DownloadCommand, TheSettingsButtonStaysHiddenUntilTheDownloadEnds) {
    startWired();
    form->sequence().setServoMode(0, 4);
    form->toggleTest();
    dialogs.answers = {MessageAnswer::Ok};
    bool sentAfterWindDown = false;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, form.get(), [&] {
        if (!form->downloading() || form->testActive() || !find<QProgressBar>("ProgressBar1")->isVisible())
            return;
        sentAfterWindDown = true;
        EXPECT_FALSE(find<QPushButton>("Settings_button")->isVisible());
    });
    sampler.start(5);
    download();
    sampler.stop();
    EXPECT_TRUE(sentAfterWindDown);
    expectIdle();
}

// The servo stick's hint stands on the note's line: while it shows, a note goes to the status bar,
// whether it was there before the test or came during it.
TEST_F(DownloadCommand, TheStickHintAndANoteNeverShareTheirLine) {
    startWired();
    auto* note = find<QLabel>("SentLabel");
    auto* hint = find<QLabel>("Label2");
    form->sequence().setServoMode(0, 4);
    QGuiApplication::clipboard()->clear();
    trigger("MENUpaste");
    ASSERT_TRUE(note->isVisible());
    EXPECT_EQ(note->textFormat(), Qt::PlainText); // a device's name that looks like HTML stays text
    form->toggleTest();
    EXPECT_TRUE(hint->isVisible());
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(form->statusBar()->currentMessage(), "Nothing pasted: the clipboard holds no cells.");

    dialogs.answers = {MessageAnswer::Ok};
    QTimer tester; // F5 while the items go out: the download stopped the test before sending
    QObject::connect(&tester, &QTimer::timeout, form.get(), [&] {
        if (form->downloading() && find<QProgressBar>("ProgressBar1")->isVisible() && !form->testActive())
            form->toggleTest();
    });
    tester.start(5);
    download();
    tester.stop();
    ASSERT_TRUE(form->testActive());
    EXPECT_TRUE(hint->isVisible());
    EXPECT_FALSE(note->isVisible());
    EXPECT_TRUE(form->statusBar()->currentMessage().startsWith("Sent 56 items"))
        << form->statusBar()->currentMessage().toStdString();
    form->toggleTest();
    waitUntilTestEnds();
}

// A port held by another program is said, with the holder, before anything is sent; what may
// still stand in the way of a port that opened is said in the confirmation.
TEST_F(DownloadCommand, WhatStandsInTheWayIsSaidBeforeAnythingIsSent) {
    startWired();
    system->users = {{4242, "minicom"}};
    {
        QtSerialLink other([this](int) { return std::optional<std::string>(pty->ProgramEnd()); });
        ASSERT_TRUE(other.Open(1, "2400,n,8,1"));
        download();
    }
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].title, kConfirmTitle);
    EXPECT_TRUE(dialogs.messages[0].text.contains("is in use by minicom (process 4242)"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(dialogs.messages[0].text.contains("Another program is using the port"));

    system->users.clear(); // it has let go
    system->installed = {"brltty"};
    system->usb = {{0x10c4, 0xea60, true}};
    download(); // answered Cancel
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].title, kConfirmTitle);
    EXPECT_TRUE(dialogs.messages[1].text.contains("Port 2: " + QString::fromStdString(pty->ProgramEnd()) +
                                                  "\r\rbrltty, a program for Braille displays"))
        << dialogs.messages[1].text.toStdString();
    EXPECT_FALSE(dialogs.messages[1].text.contains("minicom")); // the port opened: nobody holds it
    EXPECT_TRUE(module->Received().empty());
    expectIdle();
}

TEST_F(DownloadCommand, CancelWritesNothingAndANotherTestStaysStopped) {
    startWired();
    int ticks = 0;
    const auto c = atEachStepEnd([&] {
        if (++ticks == 2)
            download(); // answered Cancel
    });
    form->toggleTest();
    waitUntilTestEnds();
    QObject::disconnect(c);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(form->testRunning());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, kConfirmTitle);
    EXPECT_FALSE(module->WaitForBytes(1, 300ms));
    expectIdle();
    EXPECT_FALSE(find<QLabel>("SentLabel")->isVisible());
}

TEST_F(DownloadCommand, PortsThatCannotBeOpenedAreNamedAndNothingIsSent) {
    startWired();
    for (const int port : {0, 3, 7}) {
        dialogs.messages.clear();
        form->config().CommPort = static_cast<std::int16_t>(port);
        download();
        ASSERT_EQ(dialogs.messages.size(), 1u) << port;
        EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(dialogs.messages[0].title, AppTitle());
        EXPECT_NE(dialogs.messages[0].title, kConfirmTitle);
        if (port == 3) {
            EXPECT_TRUE(dialogs.messages[0].text.contains("/dev/zelta-glow-no-such-device"));
        }
        expectIdle();
    }
    EXPECT_FALSE(module->WaitForBytes(1, 100ms));
}

TEST_F(DownloadCommand, ACableThatVanishesEndsInIdleSayingHowFarItGot) {
    startWired();
    dialogs.answers = {MessageAnswer::Ok};
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, form.get(), [&] {
        if (find<QProgressBar>("ProgressBar1")->isVisible() &&
            find<QProgressBar>("ProgressBar1")->value() >= 5) {
            watch.stop();
            pty->Vanish();
        }
    });
    watch.start(5);
    int lastShown = -1; // the bar shows the last item sent
    QObject::connect(find<QProgressBar>("ProgressBar1"), &QProgressBar::valueChanged, form.get(),
                     [&lastShown](int value) { lastShown = value; });
    download();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    const QString failure = dialogs.messages[1].text;
    EXPECT_TRUE(failure.contains(QStringLiteral("after %1 of 56").arg(lastShown + 1)))
        << failure.toStdString();
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(failure.contains(QString::fromStdString(pty->ProgramEnd()))) << failure.toStdString();
    EXPECT_TRUE(failure.contains("of 56")) << failure.toStdString();
    for (const char* name : {"TestButton", "Settings_button", "DownloadButton", "OpenButton", "SaveButton"})
        EXPECT_TRUE(find<QPushButton>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(find<QPushButton>("Settings_button")->isVisible());
    EXPECT_FALSE(find<QProgressBar>("ProgressBar1")->isVisible());
    EXPECT_FALSE(form->downloading());
}
