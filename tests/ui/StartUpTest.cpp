#include "UiFixture.h"

#include "ModuleReader.h"
#include "SocatPtyPair.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/DocumentSnapshot.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"
#include "ui/DataFileCommands.h"
#include "ui/UnsavedWork.h"

#include <QAction>
#include <QFile>
#include <QProcess>

#include <chrono>
#include <map>

using namespace zg;
using namespace std::chrono_literals;

class StartUp : public UiFixture {
  protected:
    void startFrom(const QStringList& arguments) {
        const CommandLine line = ReadCommandLine(QStringList{"zelta-glow"} + arguments);
        ASSERT_TRUE(line.error.isEmpty()) << line.error.toStdString();
        form = StartWindow(line, dialogs, end);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QAction* action(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
};

TEST_F(StartUp, TheFileNamedIsOpenedAndTheDeviceNamedIsWhereTheDownloadGoes) {
    if (!zg::testing::SocatPtyPair::FindSocat())
        GTEST_SKIP() << "socat is not installed";
    zg::testing::SocatPtyPair pty;
    ASSERT_TRUE(pty.Ready());
    zg::testing::ModuleReader module(pty.ModuleEnd());
    LedSequence pattern;
    pattern.setCell(2, 7, 1);
    ASSERT_FALSE(WriteDataFile(dir.filePath("start.DAT").toStdString(), MakeDataFileRecord(pattern)));
    const QString device = QString::fromStdString(pty.ProgramEnd());
    startFrom({"--device", device, "start.DAT"});
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->sequence().cell(2, 7) == 1; }, 2000));
    EXPECT_EQ(form->windowTitle(), kPlainTitle + " - start.DAT");
    // Ctrl+Z takes the Open back, caption and all.
    action("MENUundo")->trigger();
    EXPECT_EQ(form->windowTitle(), kStartTitle);
    action("MENUredo")->trigger();

    dialogs.answers = {MessageAnswer::Ok};
    action("MENUdownload")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->downloading(); }, 10000));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith("\r\rPort 1: " + device + " (given by --device)"))
        << dialogs.messages[0].text.toStdString();
    ASSERT_TRUE(module.WaitForBytes(171, 2000ms));
    EXPECT_EQ(module.Received()[3 + 7 * 3].value, 4); // event 7: LED #3
}

TEST_F(StartUp, ArgumentsAreReadOnceWithQtsOwnOptionsKnown) {
    const CommandLine dashV = ReadCommandLine({"zelta-glow", "--", "-v"});
    EXPECT_TRUE(dashV.earlyAnswer.isEmpty());
    EXPECT_EQ(dashV.file, "-v");
    EXPECT_FALSE(ReadCommandLine({"zelta-glow", "a.DAT", "-v"}).earlyAnswer.isEmpty());
    QProcess program; // --help is answered before Qt knows the program's name
    program.start(QStringLiteral(ZG_PROGRAM), {"--help"});
    ASSERT_TRUE(program.waitForFinished(20000));
    const QString help = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith("Usage: zelta-glow [options] [file]")) << help.toStdString();
    const CommandLine qt =
        ReadCommandLine({"zelta-glow", "-platform", "offscreen", "-style", "fusion", "a.DAT"});
    EXPECT_TRUE(qt.error.isEmpty()) << qt.error.toStdString();
    EXPECT_EQ(qt.platform, "offscreen");
    EXPECT_EQ(qt.file, "a.DAT");

    std::map<std::string, QString> env;
    const auto lookup = [&env](const char* name) { return env[name]; };
    EXPECT_TRUE(NoDisplayReason({}, lookup).has_value());
    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_FALSE(NoDisplayReason({}, lookup).has_value());
    env["QT_QPA_PLATFORM"] = "xcb";
    EXPECT_TRUE(NoDisplayReason({}, lookup).value_or("").contains("DISPLAY"));
    env["QT_QPA_PLATFORM"] = "xcb;wayland";
    EXPECT_FALSE(NoDisplayReason({}, lookup).has_value());
    EXPECT_FALSE(NoDisplayReason(qt, lookup).has_value()); // -platform offscreen needs none
}

// Closing the window quits without a question, as it always did; the unsaved pattern is kept
// for the next start instead of being lost with the undo history.
TEST_F(StartUp, UnsavedWorkIsKeptOnCloseAndOfferedAtTheNextStart) {
    start();
    form->findChild<QAction*>("MENUnew")->trigger();
    const QString kept = UnsavedWork::DefaultFile();
    ASSERT_TRUE(kept.startsWith(dir.path()));
    form->close(); // nothing differs from the start: nothing kept
    EXPECT_EQ(end.calls, 1);
    EXPECT_FALSE(QFile::exists(kept));

    start();
    click(1, 12);
    form->sequence().setTestSpeed(45);
    const auto edited = TakeSnapshot(form->sequence());
    form->close();
    ASSERT_TRUE(QFile::exists(kept));
    start();
    form->close(); // a run that ends before it asked leaves the copy alone
    ASSERT_TRUE(QFile::exists(kept));

    start();
    const QDateTime leftAt = QFileInfo(kept).lastModified();
    dialogs.answers = {MessageAnswer::Yes};
    form->offerUnsavedWork();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QLocale().toString(leftAt, QLocale::ShortFormat)));
    EXPECT_EQ(TakeSnapshot(form->sequence()), edited);
    EXPECT_EQ(form->windowTitle(), kPlainTitle);
    action("MENUundo")->trigger(); // one step back to the fresh start
    EXPECT_EQ(form->sequence().cell(1, 12), 0);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    action("MENUredo")->trigger();

    // Saved work leaves nothing behind; No throws a copy away.
    dialogs.fileNames.emplace_back(dir.filePath("done.DAT"));
    action("MENUsave")->trigger();
    form->close();
    EXPECT_FALSE(QFile::exists(kept));
    start();
    click(0, 0);
    dialogs.answers = {MessageAnswer::Ok};
    form->findChild<QAction*>("MENUexit")->trigger(); // OK to Exit: kept as on close
    ASSERT_TRUE(QFile::exists(kept));
    start();
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No};
    form->offerUnsavedWork();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_FALSE(QFile::exists(kept));
    EXPECT_EQ(form->sequence().cell(0, 0), 0);
}

// A crash or a killed process leaves the copy too: it follows each change within seconds.
TEST_F(StartUp, AChangeIsKeptWithinSecondsWithoutAnyClose) {
    start();
    click(3, 3);
    const QString kept = UnsavedWork::DefaultFile();
    EXPECT_FALSE(QFile::exists(kept));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(kept); }, UnsavedWork::kDelayMs + 2000));
    EXPECT_EQ(ReadDataFile(kept.toStdString()).Record.eventValue(3), 8);
}
