#include "UiFixture.h"

#include "export/FormColors.h"
#include "export/ModelPicture.h"
#include "export/PatternPictures.h"
#include "files/DataFileRecord.h"
#include "files/DataFileWriter.h"
#include "files/ModelLibrary.h"
#include "files/UserDataFolder.h"
#include "playback/ModuleAnimation.h"

#include <QAction>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QScrollBar>

using namespace zg;

namespace {

struct ReadGif {
    std::vector<QImage> frames;
    std::vector<int> delaysMs;
    int loopCount = 0;
};

ReadGif readGif(const QString& path) {
    QImageReader reader(path);
    ReadGif gif;
    gif.loopCount = reader.loopCount();
    for (QImage frame; reader.read(&frame);) {
        gif.frames.push_back(frame);
        gif.delaysMs.push_back(reader.nextImageDelay());
    }
    return gif;
}

QColor lightColour(const QImage& frame, LedChannel led) {
    return frame.pixelColor(AnimationLightCentre(led));
}

} // namespace

class Export : public UiFixture {
  protected:
    // Red indicator lights on LED #1 for events 0-1, and LED #3 lit in the upper stick zones only.
    void drawPattern(LedSequence& s) {
        s.setLedColor(0, 1);
        s.setLedColor(2, 2);
        s.setCell(0, 0, 1);
        s.setCell(0, 1, 1);
        for (EventIndex e = 0; e < 4; ++e)
            s.setCell(2, e, 1);
        s.setServoMode(2, 12);
        s.setEndEvent(3);
        s.setSequencerDelay(50);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

TEST_F(Export, TheAnimationShowsEachEventAsTheModuleDoesAndLoopsForEver) {
    start();
    drawPattern(form->sequence());
    form->controls().servoStick->setValue(180); // 4th zone: LED #3 lights
    dialogs.choices = {3, 0};
    dialogs.fileNames = {path("upper.gif"), path("lower.gif")};
    find<QAction>("MENUexportgif")->trigger();
    ASSERT_EQ(dialogs.choiceAsks.size(), 1u);
    EXPECT_EQ(dialogs.choiceAsks[0].current, 3); // the stick's own zone is offered
    EXPECT_EQ(dialogs.fileAsks[0].request.initialName, "pattern.gif");
    find<QAction>("MENUexportgif")->trigger();
    EXPECT_TRUE(dialogs.messages.empty());

    const ReadGif upper = readGif(path("upper.gif"));
    EXPECT_EQ(upper.loopCount, -1);
    ASSERT_EQ(upper.frames.size(), 2u); // events 0-1 and 2-3 look alike in pairs
    EXPECT_EQ(upper.delaysMs, (std::vector<int>{100, 100}));
    EXPECT_EQ(lightColour(upper.frames[0], 0), QColor(Qt::red));
    EXPECT_EQ(lightColour(upper.frames[1], 0), QColor(Qt::black));
    EXPECT_EQ(lightColour(upper.frames[1], 2), QColor(Qt::green));
    EXPECT_EQ(lightColour(upper.frames[0], 1), QColor(Qt::black));

    const ReadGif lower = readGif(path("lower.gif"));
    ASSERT_EQ(lower.frames.size(), 2u);
    EXPECT_EQ(lightColour(lower.frames[0], 2), QColor(Qt::black)); // LED #3 stays dark in the 1st zone
    EXPECT_EQ(lightColour(lower.frames[1], 0), QColor(Qt::black));
}

TEST_F(Export, AFiveMillisecondDelayGivesFramesOf20MsAtLeastAndSaysSo) {
    start();
    LedSequence& s = form->sequence();
    s.setSequencerDelay(5);
    for (EventIndex e = 0; e < kEventCount; e += 3)
        s.setCell(0, e, 1);
    dialogs.choices = {2};
    dialogs.fileNames = {path("fast.gif")};
    find<QAction>("MENUexportgif")->trigger();
    ASSERT_EQ(dialogs.choiceAsks.size(), 1u);
    EXPECT_TRUE(dialogs.choiceAsks[0].label.contains("shorter than that may not show"));
    const ReadGif gif = readGif(path("fast.gif"));
    ASSERT_FALSE(gif.frames.empty());
    int loop = 0;
    for (int delay : gif.delaysMs) {
        EXPECT_GE(delay, 20);
        loop += delay;
    }
    EXPECT_NEAR(loop, 250, 10);
}

TEST_F(Export, ThePictureIsThePatternAtTwiceTheScreensSize) {
    start();
    drawPattern(form->sequence());
    form->sequence().setCell(1, 5, 1);
    dialogs.fileNames = {path("pattern.png")};
    find<QAction>("MENUexportpng")->trigger();
    const QImage picture(path("pattern.png"));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(1224, 424)); // the pattern and a line of timing for each LED
    // The centre of a cell, at (80, 4) + the cell's place, twice over: a lit cell is its LED's
    // colour, with a black mark where that is white as the box, an unlit cell white.
    const auto centre = [](int row, int e) {
        return (QPoint(80, 4) + GridGeometry::CellRect(row, e).center()) * 2;
    };
    EXPECT_EQ(picture.pixelColor(centre(0, 1)), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(centre(0, 2)), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(centre(2, 3)), QColor(Qt::green));
    EXPECT_EQ(picture.pixelColor(centre(1, 5)), QColor(Qt::black)); // LED #2 is white
    EXPECT_EQ(picture.pixelColor(centre(1, 5) + QPoint(-4, -4)), QColor(Qt::white));
    EXPECT_EQ(picture.pixelColor(centre(1, 6) + QPoint(-4, -4)), QColor(Qt::white));
}

// Run as a user runs it, without a display.
TEST_F(Export, TheCommandLineExportsWithoutADisplayAndExitsTwoOnARefusedFile) {
    LedSequence pattern;
    drawPattern(pattern);
    ASSERT_FALSE(WriteDataFile(path("p.DAT").toStdString(), MakeDataFileRecord(pattern)));
    QFile junk(path("junk.DAT"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("no pattern here\n");
    junk.close();
    const auto run = [this](const QStringList& arguments,
                            const QString& executable = QStringLiteral(ZG_PROGRAM)) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(dir.path());
        program.start(executable, arguments);
        EXPECT_TRUE(program.waitForFinished(20000));
        return std::pair{program.exitCode(), QString::fromLocal8Bit(program.readAllStandardError())};
    };
    EXPECT_EQ(run({"--export-gif", "out.gif", "--stick", "1800", "p.DAT"}).first, 0);
    const ReadGif gif = readGif(path("out.gif"));
    ASSERT_EQ(gif.frames.size(), 2u);
    EXPECT_EQ(lightColour(gif.frames[1], 2), QColor(Qt::green));
    EXPECT_EQ(run({"--export-png", "out.png", "p.DAT"}).first, 0);
    EXPECT_EQ(QImage(path("out.png")).size(), QSize(1224, 424));
    // On a disk with 4 KB left (the file-size limit stands for it, its signal ignored as a full disk
    // sends none), the picture is not written,
    // the old one stays byte for byte and the program says so.
    const QByteArray picture = readAll(path("out.png"));
    ASSERT_GT(picture.size(), 4096);
    const auto [full, fullWhy] = run({"-c", "trap '' XFSZ; ulimit -f 4; exec \"$0\" \"$@\"", ZG_PROGRAM,
                                      "--export-png", "out.png", "p.DAT"},
                                     QStringLiteral("bash"));
    EXPECT_EQ(full, 2) << fullWhy.toStdString();
    EXPECT_TRUE(fullWhy.contains("out.png cannot be written")) << fullWhy.toStdString();
    EXPECT_TRUE(readAll(path("out.png")) == picture);

    // On a shipped outline before any model was made, as the manual's first example; on a model
    // of the user's by its name regardless of case; a name there is none of says which there are.
    EXPECT_EQ(run({"--export-gif", "plane.gif", "--model", "Plane", "p.DAT"}).first, 0);
    EXPECT_EQ(readGif(path("plane.gif")).frames.front().size(), kModelAnimationSize);
    ModelLayout cub = DefaultModel(Outline::Plane);
    cub.name = "Cub";
    ASSERT_FALSE(ModelLibrary(UserModelFolder()).save(cub));
    EXPECT_EQ(run({"--export-gif", "cub.gif", "--model", "cUB", "p.DAT"}).first, 0);
    const auto [noModel, whichModels] = run({"--export-gif", "none.gif", "--model", "Piper", "p.DAT"});
    EXPECT_EQ(noModel, 2);
    EXPECT_TRUE(whichModels.contains("Your models are: Cub; the outlines are: plane, helicopter"))
        << whichModels.toStdString();
    ModelLayout photo = DefaultModel(Outline::Picture); // its picture was on another computer
    photo.name = "Photo";
    photo.picture.source = "/elsewhere/photo.jpg";
    ASSERT_FALSE(ModelLibrary(UserModelFolder()).save(photo));
    const auto [noPicture, pictureWhy] = run({"--export-gif", "none.gif", "--model", "Photo", "p.DAT"});
    EXPECT_EQ(noPicture, 2);
    EXPECT_TRUE(pictureWhy.contains("/elsewhere/photo.jpg")) << pictureWhy.toStdString();
    EXPECT_EQ(run({"--export-png", "m.png", "--model", "Cub", "p.DAT"}).first, 2);

    const auto [refused, why] = run({"--export-gif", "bad.gif", "junk.DAT"});
    EXPECT_EQ(refused, 2);
    EXPECT_TRUE(why.contains("junk.DAT is not a Zelta-Glow data file")) << why.toStdString();
    EXPECT_EQ(run({"--export-png", "bad.png", "missing.DAT"}).first, 2);
    EXPECT_EQ(run({"--export-gif", "nowhere/bad.gif", "p.DAT"}).first, 2);
    EXPECT_EQ(run({"--export-gif", "bad.gif", "--stick", "900", "p.DAT"}).first, 2);
    for (const char* name : {"bad.gif", "bad.png", "nowhere", "none.gif", "m.png"})
        EXPECT_FALSE(QFile::exists(path(name))) << name;
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.part"}).isEmpty());

    // The pattern's own file is never written over, by any of its names; a user's own file that
    // happens to carry the name of a temporary one stays as it was.
    const QByteArray original = readAll(path("p.DAT"));
    ASSERT_TRUE(QFile::link(path("p.DAT"), path("link.DAT")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    for (const char* out : {"p.DAT", "link.DAT", "sub/../p.DAT"}) {
        for (const char* option : {"--export-gif", "--export-png"}) {
            const auto [code, message] = run({option, out, "p.DAT"});
            EXPECT_EQ(code, 2) << option << ' ' << out;
            EXPECT_TRUE(message.contains("own data file")) << message.toStdString();
        }
    }
    EXPECT_EQ(readAll(path("p.DAT")), original);
    QFile mine(path("out.gif.part"));
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("mine");
    mine.close();
    EXPECT_EQ(run({"--export-gif", "out.gif", "p.DAT"}).first, 0);
    EXPECT_EQ(readAll(path("out.gif.part")), "mine");
}

// In the window too: the file the pattern was opened from is refused before the replace question.
TEST_F(Export, TheWindowRefusesToExportOverThePatternsOwnFile) {
    start();
    LedSequence pattern;
    drawPattern(pattern);
    ASSERT_FALSE(WriteDataFile(path("p.DAT").toStdString(), MakeDataFileRecord(pattern)));
    form->openFromOutside(path("p.DAT"));
    const QByteArray original = readAll(path("p.DAT"));
    dialogs.fileNames.emplace_back(path("p.DAT"));
    dialogs.answers = {MessageAnswer::Yes};
    form->exportPicture();
    ASSERT_EQ(dialogs.fileAsks.size(), 1u);
    EXPECT_EQ(dialogs.fileAsks[0].request.defaultSuffix, "png");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.contains("own data file"));
    EXPECT_EQ(readAll(path("p.DAT")), original);
}

// The model's animation, frame for frame as the indicators': a lit frame carries the LED's colour
// at each of its lights, a pair too, and a dark frame does not.
TEST_F(Export, TheModelsAnimationLightsEachPlaceInItsLedsColourOnlyWhenLit) {
    LedSequence pattern;
    drawPattern(pattern);
    ModelLayout model = DefaultModel(Outline::Plane);
    DoubleLight(model, 0);
    const ModelOutline outline(model, kModelInk);
    ASSERT_FALSE(WriteModelAnimation(pattern, 4, model, outline, path("model.gif")));
    const ReadGif gif = readGif(path("model.gif"));
    const ModuleAnimation module = AnimateModule(pattern, 4);
    ASSERT_EQ(gif.frames.size(), module.frames.size());
    const QRectF place = ModelAnimationPlace(outline);
    for (std::size_t f = 0; f < gif.frames.size(); ++f) {
        for (const ModelLight& light : model.lights) {
            const QColor seen = gif.frames[f].pixelColor(LightCentre(light, place).toPoint());
            const QColor colour = ColorOf(LedColorTable[std::size_t(pattern.ledColor(light.led))].value);
            EXPECT_EQ(seen == colour, module.frames[f].lit[std::size_t(light.led)])
                << "frame " << f << " LED#" << light.led + 1 << ' ' << seen.name().toStdString();
        }
    }
    EXPECT_EQ(gif.delaysMs[0], module.frames[0].delayCs * 10);
}
