#include "UiFixture.h"

#include "files/DataFileWriter.h"
#include "model/DocumentSnapshot.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/PopupList.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

using namespace zg;

class Undo : public UiFixture {
  protected:
    QAction* action(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
    DocumentSnapshot now() const { return TakeSnapshot(form->sequence()); }
    // Picks entry `index` of a pop-up list from inside the wait of the command that opens it.
    void pickSoon(const char* list, int index) {
        whenOpen(list, [this, list, index] {
            auto* l = find<PopupList>(QLatin1String(list));
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(index)).center());
        });
    }
    void escapeSoon(const char* list) {
        whenOpen(list,
                 [this, list] { QTest::keyClick(find<PopupList>(QLatin1String(list)), Qt::Key_Escape); });
    }
    void writeFile(const QString& name, int testSpeed) {
        LedSequence sequence;
        sequence.setCell(1, 20, 1);
        sequence.setLedColor(2, 4);
        sequence.setTestSpeed(std::int16_t(testSpeed));
        sequence.setSequencerDelay(10);
        ASSERT_FALSE(WriteDataFile(dir.filePath(name).toStdString(), MakeDataFileRecord(sequence)));
    }
};

TEST_F(Undo, EveryKindOfChangeIsOneStepBackAndForth) {
    start();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    writeFile("a.DAT", 50);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    EXPECT_EQ(action("MENUundo")->text(), "&Undo");
    std::vector<DocumentSnapshot> states{now()};
    std::vector<QString> names;
    const auto step = [&](const QString& name, const std::function<void()>& change) {
        change();
        EXPECT_NE(now(), states.back()) << name.toStdString();
        states.push_back(now());
        names.push_back(name);
        EXPECT_EQ(action("MENUundo")->text(), "&Undo " + name);
        EXPECT_FALSE(action("MENUredo")->isEnabled());
    };
    step("Cell", [&] { click(0, 5); });
    step("Paint", [&] {
        press(0, 5);
        for (int e : {6, 8, 9})
            moveTo(0, e);
        releaseOver(0, 9);
    });
    step("End Mark", [&] { doubleClickAxis(3); });
    step("Color", [&] {
        pickSoon("ColorList", 1);
        QTest::mouseClick(find<ClickableLabel>("LEDlabel1_0"), Qt::LeftButton);
    });
    step("Servo Mode", [&] { emit find<QComboBox>("ServoControl_1")->activated(4); });
    step("Toggle All", [&] {
        pickSoon("RowOptionsList", 2);
        QTest::mouseClick(find<QPushButton>("RowOptions2"), Qt::LeftButton);
    });
    step("Copy from LED #3", [&] {
        pickSoon("RowOptionsList", 3);
        pickSoon("CopyList", 2);
        QTest::mouseClick(find<QPushButton>("RowOptions0"), Qt::LeftButton);
    });
    step("New/Clear", [&] { action("MENUnew")->trigger(); });
    step("Open", [&] {
        dialogs.fileNames.emplace_back(dir.filePath("a.DAT"));
        action("MENUopen")->trigger();
    });
    step("Merge", [&] {
        writeFile("b.DAT", 60);
        dialogs.fileNames.emplace_back(dir.filePath("b.DAT"));
        action("MENUmerge")->trigger();
    });
    const QString caption = form->windowTitle();
    for (std::size_t i = names.size(); i > 0; --i) {
        QTest::keyClick(form->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(now(), states[i - 1]) << names[i - 1].toStdString();
        EXPECT_EQ(action("MENUredo")->text(), "&Redo " + names[i - 1]);
    }
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    EXPECT_EQ(form->settingsDialog()->testSpeedList()->currentText(), "20"); // the speeds came back too
    EXPECT_EQ(form->windowTitle(), StartTitle()); // the caption came back with the document
    EXPECT_EQ(form->sequence().cell(0, 5), 0);
    for (std::size_t i = 1; i <= names.size(); ++i) {
        QTest::keyClick(form->windowHandle(), i % 2 ? Qt::Key_Y : Qt::Key_Z,
                        i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(now(), states[i]) << names[i - 1].toStdString();
    }
    EXPECT_EQ(form->settingsDialog()->testSpeedList()->currentText(), "60");
    EXPECT_EQ(form->windowTitle(), caption);
    EXPECT_TRUE(dialogs.messages.empty()); // undo and redo ask nothing
}

TEST_F(Undo, EscClosesAListWithoutAPick) {
    start();
    form->sequence().setCell(1, 7, 1);
    const DocumentSnapshot before = now();
    escapeSoon("RowOptionsList"); // would be "Clear All", its preset, with Enter
    QTest::mouseClick(find<QPushButton>("RowOptions1"), Qt::LeftButton);
    pickSoon("RowOptionsList", 3); // "Copy from...", then Esc in the copy list
    escapeSoon("CopyList");
    QTest::mouseClick(find<QPushButton>("RowOptions1"), Qt::LeftButton);
    whenOpen("ColorList", [this] {
        auto* colors = find<PopupList>("ColorList");
        QTest::keyClick(colors, Qt::Key_Down); // moved off the present colour, then Esc
        QTest::keyClick(colors, Qt::Key_Escape);
    });
    QTest::mouseClick(find<ClickableLabel>("LEDlabel1_1"), Qt::LeftButton);
    EXPECT_EQ(now(), before);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    for (const char* list : {"RowOptionsList", "CopyList", "ColorList"})
        EXPECT_FALSE(find<PopupList>(QLatin1String(list))->isVisible()) << list;
}

// Undoing an Open must not leave the old pattern under the opened file's name, where the next
// Save would write it over that file.
TEST_F(Undo, OpenMergeAndNewTakeTheirCaptionAndSaveNameAlong) {
    start();
    writeFile("a.DAT", 50);
    writeFile("b.DAT", 60);
    const auto offered = [this] {
        action("MENUsave")->trigger(); // cancelled: only the name offered is looked at
        return dialogs.fileAsks.back().request.initialName;
    };
    const QString plain = QStringLiteral("ZELTA-GLOW  -  Programmable LED Sequencer/Flasher");
    dialogs.fileNames.emplace_back(dir.filePath("a.DAT"));
    action("MENUopen")->trigger();
    dialogs.fileNames.emplace_back(dir.filePath("b.DAT"));
    action("MENUmerge")->trigger();
    action("MENUnew")->trigger();
    EXPECT_EQ(form->windowTitle(), plain);
    EXPECT_EQ(offered(), "");
    const std::vector<std::pair<QString, QString>> before{
        {plain + " - b.DAT", "b.DAT"}, {plain + " - a.DAT", "a.DAT"}, {StartTitle(), ""}};
    for (const auto& [title, name] : before) {
        action("MENUundo")->trigger();
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(offered(), name);
    }
    for (const auto& [title, name] : {std::pair<QString, QString>{plain + " - a.DAT", "a.DAT"},
                                      {plain + " - b.DAT", "b.DAT"},
                                      {plain, ""}}) {
        action("MENUredo")->trigger();
        EXPECT_EQ(form->windowTitle(), title);
        EXPECT_EQ(offered(), name);
    }
}

// Speeds confirmed in Settings are a step of their own, so the history stays one line: undo takes
// the Settings change back first, then the Open that came before it.
TEST_F(Undo, SettingsOkThatChangesASpeedIsAStepBeforeTheOpenBeforeIt) {
    start();
    writeFile("a.DAT", 50);
    dialogs.fileNames.emplace_back(dir.filePath("a.DAT"));
    action("MENUopen")->trigger();
    SettingsDialog* settings = form->settingsDialog();
    settings->acceptSettings(); // nothing changed: no step
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Open");
    settings->testSpeedList()->setCurrentIndex(69);
    settings->acceptSettings();
    EXPECT_EQ(form->sequence().testSpeed(), 70);
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Settings");
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().testSpeed(), 50);
    EXPECT_EQ(settings->testSpeedList()->currentText(), "50");
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().testSpeed(), 20);
    EXPECT_EQ(form->sequence().sequencerDelay(), 30);
    action("MENUredo")->trigger();
    action("MENUredo")->trigger();
    EXPECT_EQ(form->sequence().testSpeed(), 70);
}

// A gesture ends with its release, and also when a second button is pressed: either way its
// changes are one step, and the pointer paints no more until the next press.
TEST_F(Undo, AGestureEndedByASecondButtonIsOneStep) {
    start();
    form->sequence().setCell(0, 5, 1);
    press(0, 5);
    moveTo(0, 6);
    moveTo(0, 8);
    QTest::mousePress(grid(), Qt::RightButton, {}, inCell(0, 8));
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Paint");
    moveTo(0, 10);
    EXPECT_EQ(form->sequence().cell(0, 10), 0);
    QTest::mouseRelease(grid(), Qt::RightButton, {}, inCell(0, 10));
    QTest::mouseRelease(grid(), Qt::LeftButton, {}, inCell(0, 10));
    EXPECT_EQ(form->sequence().cell(0, 9), 0); // the release fills nothing either
    action("MENUundo")->trigger();
    for (int e : {6, 8})
        EXPECT_EQ(form->sequence().cell(0, e), 0) << e;
    EXPECT_EQ(form->sequence().cell(0, 5), 1);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
}

// Undo or Redo while the button is held ends the gesture first: a gesture that painted is one step
// (which the Undo then takes back), one that painted nothing is none, and the pointer paints no
// more, nor does its release switch or fill, until the next press.
TEST_F(Undo, UndoAndRedoDuringAPressEndTheGestureFirst) {
    start();
    click(0, 1);
    press(0, 5); // nothing painted yet
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().cell(0, 1), 0);
    EXPECT_EQ(action("MENUredo")->text(), "&Redo Cell");
    releaseOver(0, 5); // not a click any more
    EXPECT_EQ(form->sequence().cell(0, 5), 0);
    EXPECT_FALSE(action("MENUundo")->isEnabled());
    EXPECT_EQ(action("MENUredo")->text(), "&Redo Cell");

    click(1, 5);
    press(1, 5);
    moveTo(1, 7);
    action("MENUundo")->trigger();
    for (int e : {6, 7})
        EXPECT_EQ(form->sequence().cell(1, e), 0) << e;
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Cell");
    EXPECT_EQ(action("MENUredo")->text(), "&Redo Paint");
    moveTo(1, 9);
    releaseOver(1, 9);
    EXPECT_EQ(form->sequence().cell(1, 8), 0);
    press(1, 20);
    action("MENUredo")->trigger();
    releaseOver(1, 20);
    EXPECT_EQ(form->sequence().cell(1, 7), 1);
    EXPECT_EQ(form->sequence().cell(1, 20), 0);
    EXPECT_EQ(action("MENUundo")->text(), "&Undo Paint");
}

// A command given while the button is held is a step of its own, and the painting on each side of
// it stays one step each: nothing painted is lost from the history.
TEST_F(Undo, APaintGestureInterruptedByACommandStaysUndoable) {
    start();
    form->controls().servoLists[2]->setCurrentIndex(3);
    emit form->controls().servoLists[2]->activated(3);
    click(0, 9);
    press(0, 9);
    moveTo(0, 10);
    form->controls().servoLists[2]->setCurrentIndex(4);
    emit form->controls().servoLists[2]->activated(4);
    moveTo(0, 11);
    releaseOver(0, 11);
    for (int e : {9, 10, 11})
        EXPECT_EQ(form->sequence().cell(0, e), 1) << e;
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().cell(0, 11), 0);
    EXPECT_EQ(form->sequence().cell(0, 10), 1);
    EXPECT_EQ(form->sequence().servoMode(2), 4);
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().servoMode(2), 3);
    action("MENUundo")->trigger();
    EXPECT_EQ(form->sequence().cell(0, 10), 0);
    EXPECT_EQ(form->sequence().cell(0, 9), 1);
}

TEST_F(Undo, TheHistoryHoldsTwoHundredSteps) {
    start();
    for (int i = 0; i < 200; ++i)
        click(i % kLedCount, (i / kLedCount) % kEventCount);
    int undone = 0;
    while (action("MENUundo")->isEnabled() && undone < 300) {
        action("MENUundo")->trigger();
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    for (int row = 0; row < kLedCount; ++row)
        for (int e = 0; e < kEventCount; ++e)
            ASSERT_EQ(form->sequence().cell(row, e), 0) << row << ' ' << e;
}
