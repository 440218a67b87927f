#include "FileCommandsFixture.h"

#include "ui/controls/LedIndicator.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/settings/SettingsDialog.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace zg;

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
