#include "UiFixture.h"

#include "files/DataFileWriter.h"
#include "model/DocumentSnapshot.h"
#include "ui/ClickableLabel.h"
#include "ui/PopupList.h"
#include "ui/Settings_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <vector>

using namespace zg;

class Undo : public UiFixture {
  protected:
    QAction* action(const char* name) const { return form->findChild<QAction*>(QLatin1String(name)); }
    DocumentSnapshot now() const { return TakeSnapshot(form->sequence(), form->config()); }
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
        const AppConfig config{1, std::int16_t(testSpeed), 10};
        ASSERT_FALSE(WriteDataFile(dir.filePath(name).toStdString(), MakeDataFileRecord(sequence, config)));
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
    step("End Mark", [&] { QTest::mouseDClick(find<ClickableLabel>("TimeAxis_3"), Qt::LeftButton); });
    step("Color", [&] {
        pickSoon("ColorList", 1);
        QTest::mouseClick(find<ClickableLabel>("LEDlabel1_0"), Qt::LeftButton);
    });
    step("Servo Mode", [&] { emit find<QComboBox>("ServoControl_1")->activated(4); });
    step("Toggle All", [&] {
        pickSoon("RowOptionsList", 2);
        QTest::mouseClick(find<QPushButton>("RowOptions2"), Qt::LeftButton);
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
    EXPECT_EQ(form->settingsForm()->PCSpeedcombo->currentText(), "20"); // the speeds came back too
    EXPECT_EQ(form->windowTitle(), caption);                            // undo touches no caption
    EXPECT_EQ(find<QCheckBox>("iSwitchLedX1_5")->isChecked(), false);
    for (std::size_t i = 1; i <= names.size(); ++i) {
        QTest::keyClick(form->windowHandle(), i % 2 ? Qt::Key_Y : Qt::Key_Z,
                        i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(now(), states[i]) << names[i - 1].toStdString();
    }
    EXPECT_EQ(form->settingsForm()->PCSpeedcombo->currentText(), "60");
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
