#include "NamedPipe.h"
#include "files/ModelLibrary.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zg;

// A model kept is the same model when read again, under its name, and a shared file brings it
// into another library.
TEST(ModelFile, AModelKeptIsReadBackWholeAndTravelsAsOneFile) {
    QTemporaryDir dir;
    const ModelLibrary library(dir.filePath("models"));
    ModelLayout model = DefaultModel(Outline::Helicopter);
    model.name = "Blade 450";
    DoubleLight(model, 2);
    model.lights[0].name = "Grün / vert";
    ASSERT_EQ(library.save(model), std::nullopt);
    EXPECT_EQ(library.names(), QStringList{"Blade 450"});
    EXPECT_EQ(library.load("Blade 450").model, model);

    ASSERT_EQ(ModelLibrary::exportTo(model, dir.filePath("shared.json")), std::nullopt);
    const ModelRead imported = ModelLibrary::importFrom(dir.filePath("shared.json"));
    EXPECT_EQ(imported.model, model);
}

// A file that is no model, or is cut off, says why and gives no model.
TEST(ModelFile, ADamagedFileSaysWhyAndGivesNoModel) {
    QTemporaryDir dir;
    const ModelLibrary library(dir.path());
    const QByteArray whole = ModelToJson(DefaultModel(Outline::Boat));
    for (const QByteArray& text :
         {whole.left(whole.size() / 2), QByteArray("{\"format\": \"other\"}"),
          QByteArray(whole).replace("\"output\": 1", "\"output\": 9"), QByteArray()}) {
        QFile file(dir.filePath("bad.json"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        const ModelRead read = library.load("bad");
        EXPECT_FALSE(read.model.has_value()) << text.toStdString();
        EXPECT_FALSE(read.why.isEmpty());
    }
    EXPECT_FALSE(library.load("missing").model.has_value());
}

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

// A file copied by a file manager is its own model under its own name: changing it never touches
// the model it was copied from, whatever name it carries inside.
TEST(ModelFile, AModelIsKeptUnderItsFilesNameNotTheNameInside) {
    QTemporaryDir dir;
    const ModelLibrary library(dir.path());
    ModelLayout extra = DefaultModel(Outline::Plane);
    extra.name = "Extra 300";
    ASSERT_EQ(library.save(extra), std::nullopt);
    const QByteArray original = library.bytesOf("Extra 300");
    ASSERT_TRUE(QFile::copy(library.pathOf("Extra 300"), library.pathOf("Extra 300 (copy)")));
    ModelLayout copy = *library.load("Extra 300 (copy)").model;
    EXPECT_EQ(copy.name, "Extra 300 (copy)");
    PlaceLight(copy, 0, 0.3, 0.3);
    ASSERT_EQ(library.save(copy), std::nullopt);
    EXPECT_EQ(library.bytesOf("Extra 300"), original);
    EXPECT_EQ(library.find("EXTRA 300"), QString("Extra 300"));
    EXPECT_EQ(library.rename("Extra 300 (copy)", "extra 300"),
              QString("There is a model Extra 300 already."));
}

// Names from a shared file or the user become names a file can carry, or are refused; nothing is
// ever written outside the models' folder.
TEST(ModelFile, NamesThatCannotBeAFileNameAreMadeSafeOrRefused) {
    QTemporaryDir dir;
    const ModelLibrary library(dir.filePath("models"));
    EXPECT_EQ(SafeModelName("../../../../../tmp/x"), "tmp x");
    EXPECT_EQ(SafeModelName("Cub/Piper"), "Cub Piper");
    EXPECT_EQ(SafeModelName("Two\nlines\tand a tab"), "Two lines and a tab");
    EXPECT_EQ(SafeModelName(".hidden"), "hidden");
    EXPECT_EQ(SafeModelName(QString(300, 'x')).size(), kMaxNameLength);
    EXPECT_EQ(SafeModelName("con"), "");
    EXPECT_EQ(SafeModelName("..."), "");
    for (const char* bad : {"../x", "a/b", "x\ny", ".hidden", "trailing.", "NUL"}) {
        ModelLayout model = DefaultModel(Outline::Boat);
        model.name = bad;
        EXPECT_TRUE(library.save(model).has_value()) << bad;
    }
    ModelLayout longName = DefaultModel(Outline::Boat);
    longName.name = std::string(kMaxNameLength + 1, 'x');
    EXPECT_TRUE(library.save(longName).has_value());
    const QString cjk = QString(90, QChar(0x6A5F)); // 90 characters, 270 bytes: too long a file name
    longName.name = cjk.toStdString();
    EXPECT_TRUE(library.save(longName).has_value());
    EXPECT_LE(SafeModelName(cjk).toUtf8().size(), qsizetype(kMaxNameBytes));
    QDir().mkpath(library.folder());
    writeFile(library.folder() + "/Upper.JSON", ModelToJson(DefaultModel(Outline::Car)));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(library.names().isEmpty());
}

// A model carries its picture, and survives being read again; a model of the earlier version
// names only its picture's file; a damaged picture, a light without a place and thousands of
// lights are said, and so is anything that is not a regular file.
TEST(ModelFile, APictureTravelsInsideTheModelAndHostileFilesAreRefused) {
    QTemporaryDir dir;
    ModelLayout model = DefaultModel(Outline::Picture);
    model.name = "Photo";
    model.picture = {"/home/me/photo.jpg", "jpeg", std::string("\xFF\xD8\xFF\0binary", 10)};
    const QByteArray json = ModelToJson(model);
    EXPECT_EQ(ModelFromJson(json), model);

    QJsonObject older = QJsonDocument::fromJson(json).object();
    older.insert("picture", "/home/me/photo.jpg");
    const auto earlier = ModelFromJson(QJsonDocument(older).toJson());
    ASSERT_TRUE(earlier);
    EXPECT_EQ(earlier->picture, (OutlinePicture{"/home/me/photo.jpg", {}, {}}));

    QString why;
    EXPECT_FALSE(ModelFromJson(QByteArray(json).replace("\"data\": \"", "\"data\": \"!!"), &why));
    EXPECT_TRUE(why.contains("damaged")) << why.toStdString();
    QJsonObject nothing = QJsonDocument::fromJson(json).object();
    nothing.insert("picture", QJsonObject{{"file", ""}, {"format", "png"}, {"data", "g"}});
    EXPECT_FALSE(ModelFromJson(QJsonDocument(nothing).toJson()));
    EXPECT_FALSE(ModelFromJson(QByteArray(json).replace("\"x\": 0.06", "\"x\": 1e999")));
    QByteArray many =
        QByteArray(json).replace("\"lights\": [", "\"lights\": [" + QByteArray("{\"output\": 1, \"x\": 0.5, "
                                                                               "\"y\": 0.5},")
                                                                        .repeated(14000));
    EXPECT_FALSE(ModelFromJson(many, &why));
    EXPECT_TRUE(why.contains("14004 lights")) << why.toStdString();

    const QString fifo = dir.filePath("pipe.json");
    ASSERT_TRUE(test::MakeFifo(fifo));
    EXPECT_EQ(ReadModelFile(fifo).why, "it is not a file"); // at once: a FIFO is never opened
    EXPECT_EQ(ReadModelFile(dir.path()).why, "it is not a file");
    EXPECT_EQ(ReadModelFile(dir.filePath("none.json")).why, "it does not exist");
    writeFile(dir.filePath("names.json"),
              QByteArray(json).replace("\"name\": \"Left wingtip\"", "\"name\": \"Left\\nwingtip\\t\""));
    EXPECT_EQ(ReadModelFile(dir.filePath("names.json")).model->lights[0].name, "Left wingtip");
}
