#include "FileCommandsFixture.h"
#include "NamedPipe.h"

#include "app/CommandLine.h"
#include "files/ConfigFile.h"
#include "model/DocumentSnapshot.h"
#include "ui/datafiles/FileCommandTexts.h"

#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QUrl>

using namespace zg;

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
