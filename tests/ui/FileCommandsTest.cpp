#include "NamedPipe.h"
#include "UiFixture.h"

#include "app/CommandLine.h"
#include "files/ConfigFile.h"
#include "model/DocumentSnapshot.h"
#include "ui/controls/LedIndicator.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/settings/SettingsDialog.h"

#include <QComboBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

using namespace zg;

namespace {

QByteArray quotedZeros(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "\"0\"\r\n";
    return bytes;
}

QByteArray lines(std::initializer_list<const char*> values) {
    QByteArray bytes;
    for (const char* v : values)
        bytes += QByteArray(v) + "\r\n";
    return bytes;
}

} // namespace

class FileCommands : public UiFixture {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray read(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void trigger(const char* action) { form->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void saveAs(const QString& name) {
        dialogs.fileNames.emplace_back(path(name));
        trigger("MENUsave");
    }
    void openFile(const QString& name, const char* action = "MENUopen") {
        dialogs.fileNames.emplace_back(path(name));
        trigger(action);
    }
    QString caption(const QString& title) const { return PlainTitle() + " - " + title; }
};

TEST_F(FileCommands, SaveWritesTheFreshProgramsFileUnderTheNameTyped) {
    start();
    saveAs("test");
    ASSERT_EQ(dialogs.fileAsks.size(), 1u);
    EXPECT_TRUE(dialogs.fileAsks[0].save);
    EXPECT_EQ(dialogs.fileAsks[0].request.title, SaveTitle());
    EXPECT_EQ(dialogs.fileAsks[0].request.filter, "Data Files (*.DAT)|*.dat|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs.fileAsks[0].request.initialName, "");
    EXPECT_EQ(dialogs.fileAsks[0].request.defaultSuffix, "DAT");
    const QByteArray expected = quotedZeros(50) + lines({"7", "7", "7", "7", "0", "0", "0", "0", "49", "15",
                                                         "15", "15", "15", "30", "20"});
    EXPECT_EQ(expected.size(), 302);
    EXPECT_EQ(read("test"), expected);
    EXPECT_FALSE(QFile::exists(path("test.dat")));
    EXPECT_EQ(form->windowTitle(), caption("test"));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(find<QWidget>("ProgressBar1")->isVisible());
    // The next save offers the name just used.
    trigger("MENUsave");
    EXPECT_EQ(dialogs.fileAsks[1].request.initialName, "test");
    // New/Clear forgets it.
    trigger("MENUnew");
    trigger("MENUsave");
    EXPECT_EQ(dialogs.fileAsks[2].request.initialName, "");
}

TEST_F(FileCommands, ReplaceQuestionNoThenCancelThenYes) {
    start();
    write("A.DAT", "old");
    form->sequence().setCell(0, 0, 1);
    saveAs("A.DAT");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Replace existing file - " + path("A.DAT") + "?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(dialogs.messages[0].title, "ZELTA-GLOW  -  LED Sequencer/Flasher");
    // The scripted box answered Cancel (its default) the first time: the dialog came back.
    dialogs.messages.clear();
    dialogs.fileAsks.clear();
    dialogs.answers = {MessageAnswer::No};
    saveAs("A.DAT");
    EXPECT_EQ(dialogs.fileAsks.size(), 1u); // No ends the command: no second dialog
    EXPECT_EQ(read("A.DAT"), "old");
    EXPECT_EQ(form->windowTitle(), StartTitle());

    dialogs.fileAsks.clear();
    dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Yes};
    dialogs.fileNames = {path("A.DAT"), path("A.DAT")};
    trigger("MENUsave");
    ASSERT_EQ(dialogs.fileAsks.size(), 2u);
    EXPECT_EQ(dialogs.fileAsks[1].request.initialName, "A.DAT");
    EXPECT_TRUE(read("A.DAT").startsWith("\"1\"\r\n"));
    EXPECT_EQ(form->windowTitle(), caption("A.DAT"));
}

TEST_F(FileCommands, AFailedSaveSaysWhyAndKeepsTheCaption) {
    start();
    write("plain", "x");
    saveAs("plain/inside.DAT");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(dialogs.messages[0].title, AppTitle());
    EXPECT_TRUE(dialogs.messages[0].text.contains("Not a directory"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(form->windowTitle(), StartTitle());
    EXPECT_EQ(read("plain"), "x");
    EXPECT_FALSE(find<QWidget>("ProgressBar1")->isVisible());
}

TEST_F(FileCommands, SaveOpenSaveIsByteIdenticalAndOpenReplacesTheDocument) {
    start();
    const QByteArray file =
        "\"1\"\r\n\"2\"\r\n\"9\"\r\n\"15\"\r\n" + quotedZeros(46) +
        lines({"1", "2", "7", "4", "-7", "300", "0", "32767", "3", "15", "-1", "0", "8", "10", "50"});
    write("in.dat", file);
    form->sequence().setCell(3, 30, 1);
    form->sequence().setLedColor(0, 5);
    openFile("in.dat");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.fileAsks[0].request.title, OpenTitle());
    EXPECT_EQ(form->windowTitle(), caption("in.dat"));
    EXPECT_EQ(form->sequence().cell(3, 30), 0);
    EXPECT_EQ(form->sequence().cell(0, 2) + form->sequence().cell(3, 2), 2);
    EXPECT_EQ(form->sequence().cell(1, 2) + form->sequence().cell(2, 2), 0);
    EXPECT_EQ(find<QComboBox>("ServoControl_1")->currentIndex(), -1);
    EXPECT_EQ(find<QLabel>("LEDlabel1_3")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(form->sequence().sequencerDelay(), 10);
    EXPECT_EQ(form->sequence().testSpeed(), 50);
    EXPECT_EQ(form->settingsDialog()->testSpeedList()->currentText(), "50");
    EXPECT_EQ(form->settingsDialog()->sequencerDelayList()->currentText(), "10");
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    saveAs("out.dat");
    EXPECT_EQ(read("out.dat"), file);
}

// The settings' lists are built when first needed; speeds read before then are shown all the same.
TEST_F(FileCommands, SpeedsOpenedBeforeTheSettingsWereShownAreWhatTheirListsSelect) {
    start();
    write("odd.dat", quotedZeros(50) + lines({"1", "2", "3", "4", "0", "0", "0", "0", "49", "15", "15", "15",
                                              "15", "7", "0"}));
    openFile("odd.dat");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->settingsDialog()->sequencerDelayList()->currentText(), "7");
    EXPECT_EQ(form->settingsDialog()->testSpeedList()->currentIndex(), -1); // 0 selects nothing
    form->sequence().setSequencerDelay(9);
    form->settingsDialog()->acceptSettings(); // OK takes what the lists show
    EXPECT_EQ(form->sequence().sequencerDelay(), 7);
    EXPECT_EQ(form->sequence().testSpeed(), 0);
}

TEST_F(FileCommands, OpeningAMissingFileChangesNothing) {
    start();
    form->sequence().setCell(2, 4, 1);
    form->sequence().setTestSpeed(70);
    openFile("nothere.dat");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains("nothere.dat"));
    EXPECT_EQ(form->windowTitle(), StartTitle());
    EXPECT_EQ(form->sequence().cell(2, 4), 1);
    EXPECT_EQ(form->sequence().testSpeed(), 70);
    openFile("nothere.dat", "MENUmerge");
    EXPECT_EQ(form->windowTitle(), StartTitle());
}

TEST_F(FileCommands, FilesThatHoldNoPatternAreRefusedAndChangeNothing) {
    start();
    saveAs("kept.DAT");
    form->sequence().setCell(2, 4, 1);
    form->sequence().setServoMode(1, 3);
    form->sequence().setTestSpeed(70);
    write("empty.dat", "");
    write("binary.dat", QByteArray("\x7f"
                                   "ELF\x02\x01\x00\xff\xfe",
                                   9)
                            .repeated(40));
    write("notes.txt", "Shopping list\r\nmilk, eggs\r\n");
    const auto before = TakeSnapshot(form->sequence());
    for (const char* name : {"empty.dat", "binary.dat", "notes.txt"}) {
        for (const char* command : {"MENUopen", "MENUmerge"}) {
            dialogs.messages.clear();
            openFile(name, command);
            ASSERT_EQ(dialogs.messages.size(), 1u) << name;
            EXPECT_EQ(dialogs.messages[0].text, NotADataFileMessage(path(name)));
            EXPECT_EQ(TakeSnapshot(form->sequence()), before) << name << command;
            EXPECT_EQ(form->windowTitle(), caption("kept.DAT")) << name;
        }
    }
    trigger("MENUsave");
    EXPECT_EQ(dialogs.fileAsks.back().request.initialName, "kept.DAT"); // the name remembered stays
}

// A pipe without a writer would block the window in open() for good, a device in read(); a
// folder is no file. Each is refused at once, whichever way it comes, and the folder stays.
TEST_F(FileCommands, PipesFoldersAndRefusedFilesChangeNothingNotEvenTheFolder) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("elsewhere/folder.DAT"));
    const QString fifo = path("elsewhere/pipe.DAT");
    ASSERT_TRUE(test::MakeFifo(fifo));
    write("elsewhere/empty.DAT", "");
    start();
    form->sequence().setCell(1, 9, 1);
    const auto before = TakeSnapshot(form->sequence());
    const QString here = QDir::currentPath();
    QElapsedTimer clock;
    clock.start();
    for (const QString& name : {QString("elsewhere/pipe.DAT"), QString("elsewhere/folder.DAT")}) {
        dialogs.messages.clear();
        form->openFromOutside(path(name));
        openFile(name, "MENUmerge");
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(NotADataFileMessage(path(name)).left(30)))
            << dialogs.messages[0].text.toStdString();
    }
    EXPECT_LT(clock.elapsed(), 10000); // a pipe opened for reading would wait for ever
    form->openFromOutside(path("elsewhere/empty.DAT"));
    form->openFromOutside(path("elsewhere/gone.DAT"));
    EXPECT_EQ(TakeSnapshot(form->sequence()), before);
    EXPECT_EQ(form->windowTitle(), StartTitle());
    EXPECT_EQ(QDir::currentPath(), here); // a later Settings OK still writes LED.cfg here
    // An LED.cfg that is a pipe means port 1, at once, as a missing one does.
    ASSERT_TRUE(test::MakeFifo(QStringLiteral("LED.cfg")));
    EXPECT_EQ(LoadConfig().CommPort, 1);
}

TEST_F(FileCommands, DamagedAndTruncatedFilesApplyWhatTheyCanAndNameTheLinesLeftOut) {
    start();
    form->sequence().setLedColor(2, 3);
    form->sequence().setEndEvent(20);
    QByteArray file = quotedZeros(50);
    file.replace(0, 5, "\"16\"\r"); // line 1: no event value; also a lone CR line end
    file += lines({"4", "1"});      // the file ends after line 52
    write("short.dat", file);
    openFile("short.dat");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              DamagedFileMessage("short.dat", {1, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65}));
    EXPECT_TRUE(dialogs.messages[0].text.contains("1, 53-65"));
    EXPECT_EQ(form->sequence().ledColor(0), 4);
    EXPECT_EQ(form->sequence().ledColor(1), 1);
    EXPECT_EQ(form->sequence().ledColor(2), 3);
    EXPECT_EQ(form->sequence().endEvent(), 20);
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    EXPECT_EQ(form->windowTitle(), caption("short.dat"));
}

TEST_F(FileCommands, MergeOrsThePatternAndKeepsColoursAndARunningTest) {
    start();
    form->sequence().setCell(1, 0, 1);
    form->sequence().setCell(2, 0, 1); // 6
    form->sequence().setCell(0, 1, 1);
    form->sequence().setCell(3, 1, 1); // 9
    form->sequence().setLedColor(0, 2);
    QByteArray file =
        "\"9\"\r\n\"0\"\r\n" + quotedZeros(48) +
        lines({"1", "1", "1", "1", "0", "0", "0", "0", "5", "15", "15", "15", "15", "30", "20"});
    write("m.dat", file);
    bool merged = false;
    const auto c = atEachStepEnd([&] {
        if (merged)
            return;
        merged = true;
        openFile("m.dat", "MENUmerge");
        EXPECT_TRUE(form->testRunning());
        EXPECT_EQ(find<QPushButton>("TestButton")->text(), "Stop Test");
        form->toggleTest();
    });
    form->toggleTest();
    waitUntilTestEnds();
    QObject::disconnect(c);
    EXPECT_EQ(dialogs.fileAsks[0].request.title, MergeTitle());
    EXPECT_EQ(form->sequence().eventValue(0), 15);
    EXPECT_EQ(form->sequence().eventValue(1), 9);
    EXPECT_EQ(form->sequence().ledColor(0), 2);
    EXPECT_EQ(form->sequence().endEvent(), 5);
    EXPECT_EQ(form->windowTitle(), caption("m.dat"));
}

TEST_F(FileCommands, SaveAndOpenStopARunningTestEvenWhenCancelled) {
    start();
    for (const char* action : {"MENUsave", "MENUopen"}) {
        int ticks = 0;
        const auto c = atEachStepEnd([&] {
            if (++ticks == 2)
                trigger(action); // the scripted dialog is cancelled
        });
        form->toggleTest();
        waitUntilTestEnds();
        QObject::disconnect(c);
        EXPECT_EQ(ticks, 2) << action;
        EXPECT_FALSE(form->testRunning());
        EXPECT_EQ(form->windowTitle(), StartTitle());
        EXPECT_EQ(find<LedIndicator>("LED_0")->fillColor(), QColor(Qt::black));
    }
}

TEST_F(FileCommands, LedCfgFollowsTheFolderOfTheLastFileChosen) {
    start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    saveAs("sub/x.dat");
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("sub")).canonicalPath());
    form->settingsDialog()->acceptSettings();
    EXPECT_TRUE(QFile::exists(dir.filePath("sub/LED.cfg")));
}

namespace {
// A cable that opens and takes every byte, for a download that stays at its confirmation box.
class AnyCable : public SerialLink {
  public:
    bool IsOpen() const override { return open_; }
    bool Open(int, std::string_view) override { return open_ = true; }
    bool Write(std::span<const std::uint8_t>) override { return true; }
    bool WaitUntilSent() override { return true; }
    void Close() override { open_ = false; }
    LinkError LastError() const override { return {}; }

  private:
    bool open_ = false;
};

// Drags `path` over the window and drops it there; whether the window took it.
bool dropOn(QWidget* window, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    enter.setAccepted(false);
    QCoreApplication::sendEvent(window, &enter);
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    drop.setAccepted(false);
    QCoreApplication::sendEvent(window, &drop);
    QCoreApplication::processEvents();
    return enter.isAccepted() && drop.isAccepted();
}
} // namespace

TEST_F(FileCommands, AFileNamedOnTheCommandLineOrDroppedOpensLikeOpen) {
    const CommandLine both = ReadCommandLine({"zelta-glow", "--device", "/dev/pts/4", "a.DAT"});
    EXPECT_EQ(both.device, "/dev/pts/4");
    EXPECT_EQ(both.file, "a.DAT");
    EXPECT_EQ(ReadCommandLine({"zelta-glow", "--device=/dev/ttyUSB3"}).device, "/dev/ttyUSB3");
    EXPECT_EQ(ReadCommandLine({"zelta-glow"}).file, std::nullopt);
    for (const QStringList& wrong :
         {QStringList{"zelta-glow", "--device"}, QStringList{"zelta-glow", "--device="},
          QStringList{"zelta-glow", "a.DAT", "b.DAT"}, QStringList{"zelta-glow", "--x"}})
        EXPECT_FALSE(ReadCommandLine(wrong).error.isEmpty()) << wrong.join(' ').toStdString();
    EXPECT_TRUE(ReadCommandLine({"zelta-glow", "--help"}).earlyAnswer.contains("--device <path>"));
    start(std::make_unique<AnyCable>());
    form->sequence().setCell(0, 3, 1);
    saveAs("three.DAT");
    trigger("MENUnew");
    dialogs.messages.clear();
    form->openFromOutside(path("three.DAT"));
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
    EXPECT_EQ(form->windowTitle(), caption("three.DAT"));
    form->openFromOutside(path("gone.DAT"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(OpenFailedMessage(path("gone.DAT"), {}).left(20)));

    trigger("MENUnew");
    EXPECT_TRUE(dropOn(form.get(), path("three.DAT")));
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
    EXPECT_EQ(form->windowTitle(), caption("three.DAT"));
    // During a download a drop does what Open does then: the screen changes, the transfer sends
    // what was confirmed.
    trigger("MENUnew");
    bool tookDrop = false;
    dialogs.duringMessage = [&] {
        if (!tookDrop)
            tookDrop = dropOn(form.get(), path("three.DAT"));
    };
    form->download();
    EXPECT_TRUE(tookDrop);
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
}
