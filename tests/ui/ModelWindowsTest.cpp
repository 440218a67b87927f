#include "ModelViewFixture.h"

#include "FileSizeLimit.h"
#include "files/ModelLibrary.h"
#include "files/UserDataFolder.h"
#include "files/UserSettings.h"

#include <QPushButton>

using namespace zg;

// A second program window on the same models, as a second start of the program.
class TwoModelWindows : public ModelView {
  protected:
    void startOther() {
        other = std::make_unique<MainWindow>(otherDialogs, otherEnd);
        otherModels().setViewShown(true);
    }
    ModelCommands& otherModels() const { return *other->findChild<ModelCommands*>(); }
    ModelCanvas& otherCanvas() const { return otherModels().view()->canvas(); }
    void TearDown() override {
        other.reset();
        ModelView::TearDown();
    }

    ScriptedDialogs otherDialogs;
    RecordingEnd otherEnd;
    std::unique_ptr<MainWindow> other;
};

// On a fresh machine both windows show the first model before it is kept; a move in each is kept,
// neither writes over the other's, and Undo in one takes back its own move only.
TEST_F(TwoModelWindows, NeitherLosesTheOthersMoveNorItsUndo) {
    start();
    openView();
    startOther();
    emit canvas().placed(0, 0.2, 0.3);
    emit otherCanvas().placed(1, 0.8, 0.7); // at once, before any notice came
    const QString name = QString::fromStdString(canvas().model().name);
    ModelLayout kept = *library().load(name).model;
    EXPECT_EQ(kept.lights[0].x, 0.2);
    EXPECT_EQ(kept.lights[1].x, 0.8);
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas().model() == kept; }, 3000));
    EXPECT_FALSE(view()->notice().isEmpty());
    EXPECT_TRUE(otherDialogs.messages.empty());

    emit canvas().placed(2, 0.4, 0.6);
    otherModels().view()->findChild<QPushButton*>("ModelUndo")->click(); // its own move only
    kept = *library().load(name).model;
    EXPECT_EQ(kept.lights[0].x, 0.2);
    EXPECT_EQ(kept.lights[1], DefaultModel(Outline::Plane).lights[1]);
    EXPECT_EQ(kept.lights[2].x, 0.4);
}

// A model renamed in one window is followed in the other; one deleted there is said here.
TEST_F(TwoModelWindows, ARenameOrDeleteInTheOtherWindowIsSaid) {
    start();
    openView();
    emit canvas().placed(0, 0.2, 0.3);
    startOther();
    otherDialogs.texts = {QString("Cub")};
    otherModels().view()->findChild<QPushButton*>("ModelRename")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas().model().name == "Cub"; }, 3000));
    EXPECT_TRUE(view()->notice().contains("Cub"));
    otherDialogs.answers = {MessageAnswer::Yes};
    otherModels().view()->findChild<QPushButton*>("ModelDelete")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view()->notice().contains("deleted"); }, 3000));
    EXPECT_TRUE(library().names().isEmpty());
}

// Keys pressed in the view act on the model, never on the pattern behind it.
TEST_F(ModelView, KeysInTheViewActOnTheModelNotThePattern) {
    start();
    click(0, 3);
    openView();
    const ModelLight first = canvas().model().lights[0];
    emit canvas().placed(0, 0.3, 0.3);
    view()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view()));
    QTest::keyClick(view(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(canvas().model().lights[0], first);
    EXPECT_EQ(form->sequence().cell(0, 3), 1);
}

// A change that cannot be kept, also an Undo, names the model, and the history, no longer what the
// model holds, is cleared; a deleted model's history goes with it.
TEST_F(ModelView, AnUndoThatCannotBeKeptIsSaidAndTheHistoryGoes) {
    start();
    openView();
    emit canvas().placed(0, 0.3, 0.3);
    emit canvas().placed(1, 0.6, 0.3);
    const QString name = QString::fromStdString(canvas().model().name);
    test::WithRoomFor(16, [&] {
        view()->findChild<QPushButton*>("ModelUndo")->click();
        return 0;
    });
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.contains(name)) << dialogs.messages.back().text.toStdString();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !models().history().canRedo() && !models().history().canUndo(); }, 1000));
    EXPECT_EQ(library().load(name).model->lights[1].x, 0.6);

    emit canvas().placed(0, 0.4, 0.3);
    dialogs.answers = {MessageAnswer::Yes};
    view()->findChild<QPushButton*>("ModelDelete")->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !models().history().canUndo(); }, 1000));
}
