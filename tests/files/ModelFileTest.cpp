#include "files/ModelFile.h"

#include <QFile>
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
