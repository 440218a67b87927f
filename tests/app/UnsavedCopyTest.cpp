#include "UiFixture.h"

#include "FileSizeLimit.h"

#include "files/DataFileWriter.h"
#include "ui/datafiles/DataFileCommands.h"
#include "ui/datafiles/UnsavedWork.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QSysInfo>

#include <functional>
#include <utility>

using namespace zg;

class UnsavedCopy : public UiFixture {
  protected:
    static QString folder() { return UnsavedWork::DefaultFolder(); }
    static QStringList filesIn(const QString& place) {
        return QDir(place).entryList(QDir::Files, QDir::Name);
    }
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void writeText(const QString& file, const QByteArray& text) {
        QDir().mkpath(QFileInfo(file).path());
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // A run that drew one cell and ended as the user ends it, leaving its copy.
    void leaveACopy(int row, int e) {
        start();
        click(row, e);
        dialogs.answers = {MessageAnswer::Ok};
        form->findChild<QAction*>("MENUexit")->trigger();
        form.reset();
    }
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const MessageRequest& m : dialogs.messages)
            texts.push_back(m.text.toStdString());
        return texts;
    }
};

// Escape or the close button on the question is no answer: the copy waits for the next start.
// Yes lets the old copy go only once this program's own copy holds the work.
TEST_F(UnsavedCopy, AQuestionLeftUnansweredKeepsTheCopyAndYesDropsItOnlyOnceTheWorkIsKeptAgain) {
    leaveACopy(1, 12);
    ASSERT_EQ(filesIn(folder()).size(), 1u) << filesIn(folder()).join(' ').toStdString();
    const QString left = QDir(folder()).filePath(filesIn(folder())[0]);
    const QByteArray copy = readAll(left);

    start();
    dialogs.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(form->offerUnsavedWork());
    EXPECT_EQ(form->sequence().cell(1, 12), 0);
    form->close();
    form.reset();
    EXPECT_EQ(readAll(left), copy);

    // A disk with room for a lock but not for the new copy (the file-size limit stands for it).
    start();
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::Yes};
    const bool broughtBack = zg::test::WithRoomFor(120, [this] { return form->offerUnsavedWork(); });
    EXPECT_TRUE(broughtBack);
    EXPECT_EQ(form->sequence().cell(1, 12), 1);
    EXPECT_EQ(readAll(left), copy);
    ASSERT_GE(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("not yet protected")) << messageTexts()[1];
    EXPECT_TRUE(dialogs.messages[1].text.contains(left)) << messageTexts()[1];

    // With room, the work is kept again and the old copy goes.
    form.reset();
    dialogs.messages.clear();
    start();
    dialogs.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(form->offerUnsavedWork());
    EXPECT_FALSE(QFile::exists(left));
    const QString own = form->findChild<UnsavedWork*>()->file();
    EXPECT_EQ(readAll(own).size(), copy.size());
}

// The lines that could not be read are the copy's. The copy goes once the work is kept again, so
// the message names what the user knows: when the work was left and the file it belonged to.
TEST_F(UnsavedCopy, ADamagedCopyIsNamedByWhatTheUserKnowsAndTheUsersFileIsNotBlamed) {
    LedSequence work;
    work.setCell(0, 3, 1);
    for (const bool withFile : {true, false}) {
        const QString copy = QDir(folder()).filePath(withFile ? "unsaved-424242.DAT" : "unsaved-424243.DAT");
        QDir().mkpath(folder());
        ASSERT_FALSE(WriteDataFile(copy.toStdString(), MakeDataFileRecord(work)));
        QByteArray text = readAll(copy);
        text.replace("\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n",
                     "\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\n\"0\"\r\njunk\r\n");
        writeText(copy, text);
        if (withFile)
            writeText(QDir(folder()).filePath("unsaved-424242.name"), dir.filePath("x.DAT").toUtf8());
        const QString when = QLocale().toString(QFileInfo(copy).lastModified(), QLocale::ShortFormat);
        start();
        dialogs.messages.clear();
        dialogs.answers = {MessageAnswer::Yes};
        EXPECT_TRUE(form->offerUnsavedWork());
        EXPECT_EQ(form->sequence().cell(0, 3), 1);
        ASSERT_EQ(dialogs.messages.size(), 2u) << withFile;
        const QString& said = dialogs.messages[1].text;
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_FALSE(said.contains(copy)) << said.toStdString();
        EXPECT_TRUE(said.contains(when)) << said.toStdString();
        EXPECT_TRUE(said.contains("11")) << said.toStdString();
        EXPECT_EQ(said.contains(dir.filePath("x.DAT")), withFile) << said.toStdString();
        EXPECT_EQ(said.contains("file itself is unchanged"), withFile) << said.toStdString();
        form->close();
        form.reset();
        for (const QString& name : filesIn(folder()))
            QFile::remove(QDir(folder()).filePath(name));
    }
}

// A program that ends leaves no lock behind, and no copy when it holds nothing worth keeping.
TEST_F(UnsavedCopy, AProgramThatEndsLetsGoOfItsLockAndLeavesNoEmptyCopy) {
    leaveACopy(2, 2);
    const QStringList left = filesIn(folder());
    ASSERT_EQ(left.size(), 1u) << left.join(' ').toStdString();
    EXPECT_TRUE(left[0].endsWith(".DAT"));

    QFile::remove(QDir(folder()).filePath(left[0]));
    start();
    click(0, 0);
    click(0, 0); // on and off again: nothing left to keep
    form->findChild<UnsavedWork*>()->keepNow();
    dialogs.answers = {MessageAnswer::Ok};
    form->findChild<QAction*>("MENUexit")->trigger();
    EXPECT_TRUE(filesIn(folder()).isEmpty()) << filesIn(folder()).join(' ').toStdString();
}

// Copies and presets that an earlier version kept in its own folder are found again; a file of
// the same name in the one folder is never written over, the earlier one takes a free name and
// the user learns it once. One that turns up while the program runs is said when the menu closes.
TEST_F(UnsavedCopy, CopiesAndPresetsWhereAnEarlierVersionKeptThemAreFound) {
    const QString earlier = folder() + "/zelta-glow";
    LedSequence work;
    work.setCell(3, 9, 1);
    QDir().mkpath(earlier + "/presets");
    ASSERT_FALSE(WriteDataFile((earlier + "/unsaved.DAT").toStdString(), MakeDataFileRecord(work)));
    ASSERT_FALSE(WriteDataFile((earlier + "/presets/Mine.DAT").toStdString(), MakeDataFileRecord(work)));
    writeText(earlier + "/presets/Taken.DAT", "earlier");
    writeText(folder() + "/presets/Taken.DAT", "newer");

    start();
    dialogs.answers = {MessageAnswer::Ok, MessageAnswer::Yes}; // the new names first
    EXPECT_TRUE(form->offerUnsavedWork());
    EXPECT_EQ(form->sequence().cell(3, 9), 1);
    auto* menu = form->findChild<QMenu*>("MENUpresets");
    ASSERT_NE(menu, nullptr);
    emit menu->aboutToShow();
    emit menu->aboutToHide();
    QStringList names;
    for (QAction* group : menu->actions())
        if (group->menu())
            for (QAction* item : group->menu()->actions())
                names << item->text();
    EXPECT_TRUE(names.contains("Mine")) << names.join(", ").toStdString();
    EXPECT_TRUE(names.contains("Taken (2)")) << names.join(", ").toStdString();
    EXPECT_EQ(readAll(folder() + "/presets/Taken.DAT"), "newer");
    EXPECT_EQ(readAll(folder() + "/presets/Taken (2).DAT"), "earlier");
    ASSERT_EQ(dialogs.messages.size(), 2u) << messageTexts().back();
    EXPECT_TRUE(dialogs.messages[0].text.contains("Taken is now Taken (2)")) << messageTexts()[0];

    writeText(earlier + "/presets/Taken.DAT", "earlier again");
    emit menu->aboutToShow();
    EXPECT_EQ(dialogs.messages.size(), 2u) << "not in front of the menu";
    emit menu->aboutToHide();
    ASSERT_TRUE(QTest::qWaitFor([this] { return dialogs.messages.size() == 3; }, 2000));
    EXPECT_TRUE(dialogs.messages[2].text.contains("Taken is now Taken (3)")) << messageTexts()[2];
    QTest::qWait(50);
    EXPECT_EQ(dialogs.messages.size(), 3u);
}

// Where the folder for copies cannot be made, the user learns it once, at the first change.
TEST_F(UnsavedCopy, AFolderWhereNothingCanBeKeptIsSaidOnceAtTheFirstChange) {
    writeText(dir.filePath("blocked"), "a file where the data folder would be");
    qputenv("XDG_DATA_HOME", dir.filePath("blocked/data").toLocal8Bit());
    start();
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
    click(0, 1);
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("not being kept"))
        << form->statusBar()->currentMessage().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialogs.messages.empty(); }, 2000));
    EXPECT_TRUE(dialogs.messages[0].text.contains(dir.filePath("blocked/data"))) << messageTexts()[0];
    click(0, 2);
    form->findChild<UnsavedWork*>()->keepNow();
    QTest::qWait(300);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

// A copy that cannot be written on the way out is said before the program ends, not left for a
// turn of the event loop that never comes.
TEST_F(UnsavedCopy, ACopyThatCannotBeWrittenAtExitIsSaidBeforeTheEnd) {
    start();
    click(0, 1);
    std::vector<int> endsWhenSaid;
    dialogs.duringMessage = [this, &endsWhenSaid] { endsWhenSaid.push_back(end.calls); };
    dialogs.answers = {MessageAnswer::Ok};
    zg::test::WithRoomFor(120, [this] {
        form->findChild<QAction*>("MENUexit")->trigger();
        return true;
    });
    EXPECT_EQ(end.calls, 1);
    ASSERT_GE(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains("not being kept")) << messageTexts()[1];
    EXPECT_EQ(endsWhenSaid[1], 0);
}

// A program may run idle for days: its copy's lock never goes stale, so a program started long
// after it offers nothing of it and removes nothing. A running "sleep" stands for that program,
// its lock written as Qt writes one.
TEST_F(UnsavedCopy, TheLockOfARunningProgramNeverGoesStale) {
    QProcess idle;
    idle.start("sleep", {"30"});
    ASSERT_TRUE(idle.waitForStarted());
    const QString stem = QDir(folder()).filePath(QStringLiteral("unsaved-%1").arg(idle.processId()));
    LedSequence work;
    work.setCell(1, 1, 1);
    QDir().mkpath(folder());
    ASSERT_FALSE(WriteDataFile((stem + ".DAT").toStdString(), MakeDataFileRecord(work)));
    writeText(stem + ".lock", QByteArray::number(idle.processId()) + "\nsleep\n" +
                                  QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() +
                                  '\n' + QSysInfo::bootUniqueId() + '\n');
    const QStringList kept = filesIn(folder());
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-3);
    for (const QString& name : kept) {
        QFile file(QDir(folder()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }
    start();
    EXPECT_FALSE(form->offerUnsavedWork());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(filesIn(folder()), kept);
    idle.kill();
    idle.waitForFinished();
}

// An empty grid at the speeds of the file just opened holds nothing to bring back.
TEST_F(UnsavedCopy, AnEmptyGridAtTheSpeedsOfTheFileOpenedIsNotKept) {
    LedSequence opened;
    opened.setCell(0, 4, 1);
    opened.setSequencerDelay(45);
    opened.setTestSpeed(45);
    ASSERT_FALSE(WriteDataFile(dir.filePath("opened.DAT").toStdString(), MakeDataFileRecord(opened)));
    start();
    form->openFromOutside(dir.filePath("opened.DAT"));
    click(0, 4); // its one lit cell off: an empty grid at the file's speeds
    form->findChild<UnsavedWork*>()->keepNow();
    const QStringList kept = filesIn(folder());
    EXPECT_TRUE(std::none_of(kept.begin(), kept.end(), [](const QString& n) { return n.endsWith(".DAT"); }))
        << kept.join(' ').toStdString();
}

// A servo mode, a colour or the end mark is work too, on an empty grid as well; New/Clear after it
// leaves nothing to bring back.
TEST_F(UnsavedCopy, ServoModesColoursAndTheEndMarkAreKeptOnAnEmptyGrid) {
    const auto keptACopy = [this] {
        form->findChild<UnsavedWork*>()->keepNow();
        return !QDir(folder()).entryList({"unsaved*.DAT"}, QDir::Files).isEmpty();
    };
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"servo mode", [this] { emit find<QComboBox>("ServoControl_2")->activated(4); }},
        {"colour",
         [this] {
             whenOpen("ColorList", [this] {
                 auto* list = find<PopupList>("ColorList");
                 QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                                   list->visualItemRect(list->item(1)).center());
             });
             QTest::mouseClick(find<QWidget>("LEDlabel1_0"), Qt::LeftButton);
         }},
        {"end mark", [this] { doubleClickAxis(12); }},
    };
    for (const auto& [name, change] : changes) {
        start();
        change();
        EXPECT_TRUE(keptACopy()) << name;
        form->findChild<QAction*>("MENUnew")->trigger();
        EXPECT_FALSE(keptACopy()) << name;
        form.reset();
    }
}
