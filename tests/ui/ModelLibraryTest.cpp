#include "ModelViewFixture.h"

#include "files/ModelLibrary.h"
#include "files/PresetLibrary.h"
#include "files/UserDataFolder.h"
#include "files/UserSettings.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>

using namespace zg;

namespace {

void keepModel(const QString& name, Outline outline = Outline::Plane) {
    ModelLayout model = DefaultModel(outline);
    model.name = name.toStdString();
    ASSERT_FALSE(ModelLibrary(UserModelFolder()).save(model));
}

// Each file of the models' folder with its content and the time it was written.
std::map<QString, std::pair<QByteArray, QDateTime>> folderState() {
    std::map<QString, std::pair<QByteArray, QDateTime>> state;
    for (const QFileInfo& file : QDir(UserModelFolder()).entryInfoList(QDir::Files))
        state[file.fileName()] = {ModelLibrary(UserModelFolder()).bytesOf(file.completeBaseName()),
                                  file.lastModified()};
    return state;
}

} // namespace

class ModelLibraryView : public ModelView {
  protected:
    void click(const char* button) { find<QPushButton>(button)->click(); }
    void chooseOutline(Outline outline) {
        auto* list = view()->findChild<QComboBox*>("ModelOutline");
        const int index = list->findText(ModelWindow::OutlineName(outline));
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
    QString shownOutline() const { return view()->findChild<QComboBox*>("ModelOutline")->currentText(); }
};

// New... with the name of a model that exists asks; No keeps it byte for byte, Yes replaces it.
TEST_F(ModelLibraryView, NewWithTheNameOfAModelAsksBeforeReplacingIt) {
    start();
    openView();
    dialogs.texts = {QString("Extra 300")};
    click("ModelNew");
    emit canvas().placed(0, 0.2, 0.3);
    const QByteArray placed = library().bytesOf("Extra 300");
    ASSERT_FALSE(placed.isEmpty());

    dialogs.texts = {QString("extra 300")}; // then the name question is cancelled
    dialogs.answers = {MessageAnswer::No};
    click("ModelNew");
    EXPECT_TRUE(dialogs.messages.back().text.contains("There is a model Extra 300 already"));
    EXPECT_EQ(dialogs.textAsks.size(), 3u);
    EXPECT_EQ(library().bytesOf("Extra 300"), placed);

    dialogs.texts = {QString("EXTRA 300")};
    dialogs.answers = {MessageAnswer::Yes};
    click("ModelNew");
    EXPECT_NE(library().bytesOf("Extra 300"), placed);
    EXPECT_EQ(canvas().model().lights[0], DefaultModel(Outline::Plane).lights[0]);
    EXPECT_EQ(library().names(), QStringList{"Extra 300"});

    dialogs.texts = {QString(kMaxNameLength, 'W')}; // a long name leaves the view on the screen
    click("ModelNew");
    EXPECT_LT(view()->minimumSizeHint().width(), 640);
    ModelLayout photo = canvas().model(); // a picture whose name is none a model can carry
    photo.outline = Outline::Picture;
    photo.picture.source = "/nowhere/Cub: side <b>.png";
    ASSERT_FALSE(models().store().keep(photo));
    click("ModelNew"); // the question is cancelled
    EXPECT_EQ(dialogs.textAsks.back().text, "Cub side b");
}

// A shared file's name is made one a file can carry and never leads outside the folder; a model
// short of lights gets one for each output back and says so; one of thousands is refused.
TEST_F(ModelLibraryView, AnImportNeverWritesOutsideTheFolderAndEveryOutputKeepsALight) {
    start();
    openView();
    ModelLayout shared = DefaultModel(Outline::Car);
    shared.name = "../../../../../tmp/zg-import-x";
    shared.lights.resize(1);
    ASSERT_FALSE(ModelLibrary::exportTo(shared, dir.filePath("shared.json")));
    dialogs.fileNames = {dir.filePath("shared.json")};
    click("ModelImport");
    EXPECT_FALSE(QFile::exists("/tmp/zg-import-x.json"));
    EXPECT_EQ(canvas().model().name, "tmp zg-import-x");
    EXPECT_EQ(canvas().model().lights.size(), std::size_t(kLedCount));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.contains("no light for LED#2, LED#3, LED#4"));
    EXPECT_TRUE(library().load("tmp zg-import-x").model);

    shared.lights.assign(kMaxModelLights + 1, shared.lights[0]);
    ASSERT_FALSE(ModelLibrary::exportTo(shared, dir.filePath("many.json")));
    dialogs.fileNames = {dir.filePath("many.json")};
    click("ModelImport");
    EXPECT_TRUE(dialogs.messages.back().text.contains("cannot be imported"));
    EXPECT_EQ(library().names(), QStringList{"tmp zg-import-x"});
}

// Choosing a model and opening the view only read: a folder where nothing can be written shows
// every model without a word.
TEST_F(ModelLibraryView, ChoosingAModelOrOpeningTheViewWritesNothing) {
    keepModel("Boat", Outline::Boat);
    keepModel("Cub");
    ModelLayout twoLights = DefaultModel(Outline::Car); // an earlier version's, short of lights
    twoLights.name = "Two";
    twoLights.lights.resize(2);
    ASSERT_FALSE(library().save(twoLights));
    UserSettings::setModelName("Cub");
    const auto before = folderState();
    QTest::qWait(20); // a write now would show in the times
    start();
    openView();
    emit view()->modelChosen("Boat");
    EXPECT_EQ(canvas().model().outline, Outline::Boat);
    emit view()->modelChosen("Two");
    EXPECT_EQ(canvas().model().lights.size(), std::size_t(kLedCount)); // each output can be moved
    emit view()->modelChosen("Cub");
    EXPECT_EQ(folderState(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

// The list, the drawing and the file agree after a cancelled and a failed choice of a picture.
TEST_F(ModelLibraryView, TheOutlineListTellsTheTruthAfterACancelOrAFailure) {
    start();
    openView();
    chooseOutline(Outline::Boat);
    chooseOutline(Outline::Picture); // the file dialog is cancelled
    EXPECT_EQ(shownOutline(), ModelWindow::OutlineName(Outline::Boat));
    EXPECT_EQ(canvas().model().outline, Outline::Boat);
    QFile text(dir.filePath("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    dialogs.fileNames = {text.fileName()};
    click("ModelPicture");
    EXPECT_TRUE(dialogs.messages.back().text.contains("cannot be used"));
    EXPECT_EQ(shownOutline(), ModelWindow::OutlineName(Outline::Boat));
    EXPECT_EQ(library().load(QString::fromStdString(canvas().model().name)).model->outline, Outline::Boat);
}

// Moves, doubles and names are undone and redone in the view, on disk too; a model is renamed
// and deleted with a question.
TEST_F(ModelLibraryView, UndoRedoRenameAndDeleteInTheView) {
    start();
    openView();
    const ModelLight first = canvas().model().lights[0];
    emit canvas().placed(0, 0.3, 0.3);
    emit canvas().doubleAsked(0);
    ASSERT_EQ(canvas().model().lights.size(), 5u);
    click("ModelUndo");
    click("ModelUndo");
    EXPECT_EQ(canvas().model().lights.size(), 4u);
    EXPECT_EQ(canvas().model().lights[0], first);
    click("ModelRedo");
    const QString name = QString::fromStdString(canvas().model().name);
    EXPECT_EQ(library().load(name).model->lights[0].x, 0.3);

    dialogs.texts = {QString("Cub")};
    click("ModelRename");
    EXPECT_EQ(library().names(), QStringList{"Cub"});
    EXPECT_EQ(UserSettings::modelName(), "Cub");
    dialogs.answers = {MessageAnswer::No};
    click("ModelDelete");
    EXPECT_EQ(library().names(), QStringList{"Cub"});
    dialogs.answers = {MessageAnswer::Yes};
    click("ModelDelete");
    EXPECT_TRUE(library().names().isEmpty());
    EXPECT_NE(canvas().model().name, "Cub");
    // The history goes with the model deleted, also where the next shown has its name.
    emit canvas().placed(0, 0.3, 0.3);
    const std::string shown = canvas().model().name;
    dialogs.answers = {MessageAnswer::Yes};
    click("ModelDelete");
    EXPECT_EQ(canvas().model().name, shown);
    EXPECT_FALSE(models().history().canUndo());
}

// The view keeps its place and stays open across the end of the program; the first time it
// opens beside the main window, not over it.
TEST_F(ModelLibraryView, TheViewKeepsItsPlaceAcrossTheEndAndFirstOpensBesideTheWindow) {
    start();
    openView();
    EXPECT_FALSE(view()->frameGeometry().intersects(form->frameGeometry()));
    view()->move(view()->pos() + QPoint(17, 23));
    const QPoint at = view()->pos();
    form->endProgram();
    EXPECT_EQ(end.calls, 1);
    form.reset();
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view() && view()->isVisible(); }, 2000));
    EXPECT_EQ(view()->pos(), at);
}
