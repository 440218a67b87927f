#include "UiFixture.h"

#include "ModuleReader.h"
#include "SocatPtyPair.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/DocumentSnapshot.h"
#include "ui/datafiles/DataFileCommands.h"
#include "ui/datafiles/UnsavedWork.h"

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
    // The copies of unsaved work in the user's data folder, set-aside ones left out.
    static QStringList keptCopies() {
        QStringList copies;
        const QDir folder(UnsavedWork::DefaultFolder());
        for (const QString& name : folder.entryList({"unsaved*.DAT"}, QDir::Files))
            if (!name.contains("unreadable"))
                copies << folder.filePath(name);
        return copies;
    }
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
    EXPECT_EQ(form->windowTitle(), PlainTitle() + " - start.DAT");
    // Ctrl+Z takes the Open back, caption and all.
    action("MENUundo")->trigger();
    EXPECT_EQ(form->windowTitle(), StartTitle());
    action("MENUredo")->trigger();

    dialogs.answers = {MessageAnswer::Ok};
    action("MENUdownload")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->downloading(); }, 10000));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith("\r\rPort 1: " + device + ", given by --device"))
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
    LedSequence opened;
    opened.setCell(0, 4, 1);
    opened.setSequencerDelay(45);
    ASSERT_FALSE(WriteDataFile(dir.filePath("opened.DAT").toStdString(), MakeDataFileRecord(opened)));
    start();
    ASSERT_TRUE(UnsavedWork::DefaultFolder().startsWith(dir.path()));
    form->openFromOutside(dir.filePath("opened.DAT"));
    form->findChild<QAction*>("MENUnew")->trigger();
    form->close(); // an empty grid at the speeds opened: nothing worth bringing back, nothing kept
    EXPECT_EQ(end.calls, 1);
    EXPECT_TRUE(keptCopies().isEmpty());

    start();
    click(1, 12);
    form->sequence().setTestSpeed(45);
    const auto edited = TakeSnapshot(form->sequence());
    form->close();
    ASSERT_EQ(keptCopies().size(), 1);
    start();
    form->close(); // a run that ends before it asked leaves the copy alone
    ASSERT_EQ(keptCopies().size(), 1);

    start();
    const QDateTime leftAt = QFileInfo(keptCopies()[0]).lastModified();
    dialogs.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(form->offerUnsavedWork());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QLocale().toString(leftAt, QLocale::ShortFormat)));
    EXPECT_EQ(TakeSnapshot(form->sequence()), edited);
    EXPECT_EQ(form->windowTitle(), PlainTitle());
    action("MENUundo")->trigger(); // one step back to the fresh start
    EXPECT_EQ(form->sequence().cell(1, 12), 0);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    action("MENUredo")->trigger();

    // Saved work leaves nothing behind; No throws a copy away.
    dialogs.fileNames.emplace_back(dir.filePath("done.DAT"));
    action("MENUsave")->trigger();
    form->close();
    EXPECT_TRUE(keptCopies().isEmpty());
    start();
    click(0, 0);
    dialogs.answers = {MessageAnswer::Ok};
    form->findChild<QAction*>("MENUexit")->trigger(); // OK to Exit: kept as on close
    ASSERT_EQ(keptCopies().size(), 1);
    start();
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No};
    EXPECT_FALSE(form->offerUnsavedWork());
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(keptCopies().isEmpty());
    EXPECT_EQ(form->sequence().cell(0, 0), 0);
}

// Work on a file comes back under that file's name, as changed work; a file named at start is then
// not opened over it, and the user is told so. No opens the named file and drops the copy.
TEST_F(StartUp, WorkOnAFileComesBackUnderItsNameAndTheFileNamedAtStartWaits) {
    LedSequence pattern;
    pattern.setCell(2, 7, 1);
    ASSERT_FALSE(WriteDataFile(dir.filePath("nav.DAT").toStdString(), MakeDataFileRecord(pattern)));
    ASSERT_FALSE(WriteDataFile(dir.filePath("other.DAT").toStdString(), MakeDataFileRecord(LedSequence())));
    start();
    form->openFromOutside(dir.filePath("nav.DAT"));
    click(0, 3);
    form->close();
    form.reset();

    dialogs.answers = {MessageAnswer::Yes};
    startFrom({"other.DAT"});
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialogs.messages.size() == 2; }, 2000));
    EXPECT_TRUE(dialogs.messages[0].text.contains(dir.filePath("nav.DAT")));
    EXPECT_TRUE(dialogs.messages[0].text.contains("other.DAT is not opened"));
    EXPECT_TRUE(dialogs.messages[1].text.startsWith("other.DAT was not opened"));
    EXPECT_EQ(form->windowTitle(), PlainTitle() + " - nav.DAT");
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
    EXPECT_EQ(form->sequence().cell(2, 7), 1);
    dialogs.fileNames.emplace_back(std::nullopt);
    action("MENUsave")->trigger();
    EXPECT_EQ(dialogs.fileAsks.back().request.initialName, "nav.DAT");
    form->close(); // still changed: kept again
    ASSERT_EQ(keptCopies().size(), 1);
    form.reset();

    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No};
    startFrom({"other.DAT"});
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->windowTitle().endsWith("other.DAT"); }, 2000));
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(keptCopies().isEmpty());
}

// Each running program keeps a copy of its own and offers only those whose program has ended; a
// copy that cannot be read is said so and set aside, never offered again nor deleted.
TEST_F(StartUp, TwoWindowsKeepTheirOwnCopiesAndADamagedCopyIsSetAside) {
    start();
    click(1, 1);
    form->findChild<UnsavedWork*>()->keepNow();
    ASSERT_EQ(keptCopies().size(), 1);
    ScriptedDialogs secondDialogs;
    MainWindow second(secondDialogs, end);
    EXPECT_FALSE(second.offerUnsavedWork());
    EXPECT_TRUE(secondDialogs.messages.empty());
    second.findChild<UnsavedWork*>()->keepNow(); // nothing of its own to keep
    EXPECT_EQ(keptCopies().size(), 1);

    // Left by a program that had this process's number before it: its lock names this process.
    const QString folder = UnsavedWork::DefaultFolder();
    const QString stem = folder + QStringLiteral("/unsaved-%1-7").arg(QCoreApplication::applicationPid());
    QFile lock(stem + ".lock");
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(QCoreApplication::applicationPid()) + "\nui_tests\n\n");
    lock.close();
    QFile damaged(stem + ".DAT");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a pattern\r\n");
    damaged.close();
    EXPECT_FALSE(second.offerUnsavedWork());
    ASSERT_EQ(secondDialogs.messages.size(), 1u);
    EXPECT_EQ(secondDialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(secondDialogs.messages[0].text.contains(stem + "-unreadable.DAT"));
    EXPECT_TRUE(QFile::exists(stem + "-unreadable.DAT"));
    EXPECT_FALSE(second.offerUnsavedWork());
    EXPECT_EQ(secondDialogs.messages.size(), 1u);
    EXPECT_EQ(keptCopies().size(), 1);
}

// A crash or a killed process leaves the copy too: it follows each change within seconds.
TEST_F(StartUp, AChangeIsKeptWithinSecondsWithoutAnyClose) {
    start();
    click(3, 3);
    EXPECT_TRUE(keptCopies().isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return keptCopies().size() == 1; }, UnsavedWork::kDelayMs + 2000));
    EXPECT_EQ(ReadDataFile(keptCopies()[0].toStdString()).Record.eventValue(3), 8);
}

// --list-ports answers on the terminal without a display, for the device named too.
TEST_F(StartUp, ListPortsPrintsEachPortOrThatThereIsNoneAndEndsWithZero) {
    const auto run = [](const QStringList& arguments, int& exitCode) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ZG_PROGRAM), arguments);
        EXPECT_TRUE(program.waitForFinished(20000));
        exitCode = program.exitCode();
        return QString::fromLocal8Bit(program.readAllStandardOutput() + program.readAllStandardError());
    };
    int exitCode = -1;
    const QString named = run({"--list-ports", "--device", "/dev/pts/98765"}, exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(named.startsWith("Port 1: /dev/pts/98765, given by --device\n"
                                 "  /dev/pts/98765 does not exist: check the path given with --device"))
        << named.toStdString();
    const QString system = run({"--list-ports"}, exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(system.startsWith("Port 1: /dev/") || system.startsWith("No serial device is plugged in.\n"))
        << system.toStdString();
    const QString withFile = run({"--list-ports", "a.DAT"}, exitCode);
    EXPECT_EQ(exitCode, 2);
    EXPECT_TRUE(withFile.contains("--list-ports goes with --device only.")) << withFile.toStdString();
}
