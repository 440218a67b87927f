#include "UiFixture.h"

#include "ui/datafiles/DataFileCommands.h"
#include "ui/presets/PresetFolders.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>

using namespace zg;

class Presets : public UiFixture {
  protected:
    QMenu* presetMenu() const { return find<QMenu>("MENUpresets"); }
    // The submenu as it opens: group title -> the items' texts.
    std::map<QString, QStringList> listed() const {
        emit presetMenu()->aboutToShow();
        std::map<QString, QStringList> groups;
        for (QAction* group : presetMenu()->actions())
            if (group->menu())
                for (QAction* item : group->menu()->actions())
                    groups[group->text()] << item->text();
        return groups;
    }
    void pick(const QString& group, const QString& name) {
        emit presetMenu()->aboutToShow();
        for (QAction* g : presetMenu()->actions())
            if (g->menu() && g->text() == group)
                for (QAction* item : g->menu()->actions())
                    if (item->text() == name)
                        return item->trigger();
        ADD_FAILURE() << "no preset " << name.toStdString() << " in " << group.toStdString();
    }
    QString undoText() const { return find<QAction>("MENUundo")->text(); }
};

TEST_F(Presets, ANewPatternFromAPresetIsLoadedLikeOpenButBelongsToNoFile) {
    start();
    EXPECT_TRUE(listed()["Aircraft"].contains("Navigation Lights and Double Strobe"));
    EXPECT_TRUE(listed()["Cars"].contains("Indicators by Stick"));
    form->sequence().setCell(0, 40, 0);
    pick("Cars", "Indicators by Stick");
    EXPECT_TRUE(dialogs.messages.empty());
    const LedSequence& seq = form->sequence();
    EXPECT_EQ(seq.endEvent(), 32);
    EXPECT_EQ(seq.sequencerDelay(), 20);
    EXPECT_EQ(seq.testSpeed(), 20);
    EXPECT_EQ(seq.cell(0, 16), 1);
    EXPECT_EQ(seq.cell(0, 17), 0);
    EXPECT_EQ(seq.servoMode(0), 1);
    EXPECT_EQ(find<QComboBox>("ServoControl_0")->currentText(), "|* - - -|");
    EXPECT_EQ(form->settingsDialog()->sequencerDelayList()->currentText(), "20");
    EXPECT_EQ(form->windowTitle(), PlainTitle());
    EXPECT_EQ(undoText(), "&Undo New from Preset");

    // Save asks for a name of its own: the preset is never written over.
    trigger("MENUsave");
    ASSERT_EQ(dialogs.fileAsks.size(), 1u);
    EXPECT_EQ(dialogs.fileAsks[0].request.initialName, "");

    find<QAction>("MENUundo")->trigger(); // one step back: the start, speeds and all
    EXPECT_EQ(seq.endEvent(), 49);
    EXPECT_EQ(seq.sequencerDelay(), 30);
    EXPECT_EQ(seq.cell(0, 16), 0);
    EXPECT_EQ(form->windowTitle(), StartTitle());
}

TEST_F(Presets, SaveAsPresetKeepsThePatternUnderTheNameTypedAndListsIt) {
    start();
    click(2, 3);
    form->sequence().setSequencerDelay(12);
    const QString folder = UserPresetFolder();
    dialogs.texts = {QString("  My/Bad  "), QString("Police car")};
    trigger("MENUsavepreset");
    ASSERT_EQ(dialogs.textAsks.size(), 2u); // the refused name is offered again
    EXPECT_EQ(dialogs.textAsks[1].text, "My/Bad");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("cannot name a preset"));
    ASSERT_TRUE(QFile::exists(folder + "/Police car.DAT"));
    EXPECT_EQ(form->windowTitle(), StartTitle()); // the document is still the one on screen
    EXPECT_EQ(listed()["My Presets"], QStringList{"Police car"});

    // The same name again asks first; No keeps the old preset.
    form->sequence().setSequencerDelay(40);
    dialogs.texts = {QString("Police car")};
    dialogs.answers = {MessageAnswer::No};
    trigger("MENUsavepreset");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].buttons, MessageButtons::YesNoCancel);

    trigger("MENUnew");
    pick("My Presets", "Police car");
    EXPECT_EQ(form->sequence().cell(2, 3), 1);
    EXPECT_EQ(form->sequence().sequencerDelay(), 12);
}

TEST_F(Presets, APresetThatCannotBeReadGetsOpensMessageAndChangesNothing) {
    start();
    const QString folder = UserPresetFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile broken(folder + "/Broken.DAT");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\x01\x02 not a pattern");
    broken.close();
    pick("My Presets", "Broken");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains("is not a Zelta-Glow data file"))
        << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(undoText(), "&Undo");
}
