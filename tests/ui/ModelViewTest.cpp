#include "ModelViewFixture.h"

#include "export/FormColors.h"
#include "files/ModelLibrary.h"
#include "files/UserDataFolder.h"
#include "files/UserSettings.h"
#include "ui/controls/ClickableLabel.h"
#include "ui/controls/LedIndicator.h"
#include "ui/modelview/ModelCanvas.h"
#include "ui/modelview/ModelCommands.h"
#include "ui/modelview/ModelWindow.h"

#include <QAction>
#include <QBackingStore>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTextDocument>
#include <QToolTip>

using namespace zg;

// During a test every light shows what its output's indicator shows at that step, the stick's
// zone deciding for a servo-controlled LED, the doubled light too; stopped, the event under the
// pointer is shown.
TEST_F(ModelView, TheLightsShowWhatTheIndicatorsShowStepForStepAndWhileScrubbing) {
    start();
    LedSequence& s = form->sequence();
    s.setLedColor(0, 1);
    s.setLedColor(2, 7);
    for (EventIndex e = 0; e < 10; ++e)
        s.setCell(0, e, e % 2);
    s.setCell(2, 3, 1);
    s.setCell(2, 4, 1);
    s.setServoMode(2, 12); // the strobe only in the upper stick zones
    s.setEndEvent(9);
    openView();
    emit canvas().doubleAsked(0);
    ASSERT_EQ(canvas().model().lights.size(), 5u);
    find<QScrollBar>("ServoStick")->setValue(180);
    int steps = 0;
    const auto connection = atEachStepEnd([&] {
        const std::vector<std::uint32_t> shown = canvas().colors();
        ASSERT_EQ(shown.size(), canvas().model().lights.size());
        for (std::size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(ColorOf(shown[i]), indicator(canvas().model().lights[i].led))
                << "step " << steps << " light " << i;
        if (++steps == 12)
            form->stopTest();
    });
    form->toggleTest();
    waitUntilTestEnds();
    QObject::disconnect(connection);
    EXPECT_EQ(steps, 12);

    QTest::mouseMove(grid(), inCell(2, 4));
    EXPECT_EQ(canvas().colors()[2], 0xFFFFFFu);
    EXPECT_EQ(canvas().colors()[0], 0u);
    QTest::mouseMove(grid(), inCell(0, 1));
    EXPECT_EQ(canvas().colors()[0], 0x0000FFu);
    EXPECT_EQ(canvas().colors()[4], 0x0000FFu); // the pair
}

// A light dragged and named, and the model chosen, are there after a restart, the view too; the
// name is what the timing line calls the output.
TEST_F(ModelView, AModelPlacedAndNamedSurvivesARestart) {
    start();
    openView();
    const QPointF from = canvas().centreOf(2);
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, from.toPoint());
    QTest::mouseMove(&canvas(), (from + QPointF(-30, -20)).toPoint());
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, (from + QPointF(-30, -20)).toPoint());
    dialogs.texts = {QString("Tail strobe")};
    emit canvas().renameAsked(2);
    const ModelLayout placed = canvas().model();
    EXPECT_LT(placed.lights[2].x, DefaultModel(Outline::Plane).lights[2].x);
    EXPECT_EQ(placed.lights[2].name, "Tail strobe");
    QTest::mouseMove(grid(), inCell(2, 0));
    QTest::qWait(100);
    EXPECT_TRUE(find<QLabel>("TimingReadout")->text().startsWith("Tail strobe: "))
        << find<QLabel>("TimingReadout")->text().toStdString();
    form->close();
    form.reset();

    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view() && view()->isVisible(); }, 2000));
    EXPECT_EQ(canvas().model(), placed);
    EXPECT_TRUE(find<QAction>("MENUmodelview")->isChecked());
    EXPECT_TRUE(form->controls().ledLabels[2]->toolTip().contains("Tail strobe (LED#3)"));
    EXPECT_EQ(form->controls().ledLabels[2]->text(), "LED#3"); // the design's caption stays
}

// A model file that cannot be read is said, and the plane stands in for it: nothing breaks.
TEST_F(ModelView, ADamagedModelFileIsSaidAndThePlaneShown) {
    const ModelLibrary library(UserModelFolder());
    ASSERT_TRUE(QDir().mkpath(library.folder()));
    QFile file(library.pathOf("Cub"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\": \"zelta-glow model\", \"outline\": \"plane\", \"lights\": [{\"output\": ");
    file.close();
    UserSettings::setModelName("Cub");
    UserSettings::setModelViewShown(true);
    start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return view() && view()->isVisible(); }, 2000));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages[0].text.contains("Cub")) << dialogs.messages[0].text.toStdString();
    EXPECT_EQ(canvas().model().outline, Outline::Plane);
    EXPECT_EQ(canvas().model().lights.size(), std::size_t(kLedCount));
}

// What the window shows, not only what the view holds: after each change the pixel at every light's
// centre is its colour, black when dark, however the view repainted it (a light that changed alone
// is copied from what was drawn for it before); a light dragged elsewhere is drawn there. Run at a
// scale of 1.5 as well, where a repaint that starts halfway into a pixel leaves a seam.
TEST_F(ModelView, TheWindowShowsEveryLightInItsColourAfterEachChangeAndDrag) {
    start();
    openView();
    const std::size_t count = canvas().model().lights.size();
    const auto expectShown = [&](const std::vector<std::uint32_t>& colors) {
        canvas().showColors(colors);
        QTest::qWait(4 * ModelCanvas::kFrameMs);
        // What the window has painted, in device pixels at any scale.
        const auto painted = [&] {
            const qreal ratio = view()->devicePixelRatio();
            return dynamic_cast<QImage*>(view()->backingStore()->paintDevice())
                ->copy(QRect(canvas().mapTo(view(), QPoint()) * ratio, canvas().size() * ratio))
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage shown = painted();
        for (std::size_t i = 0; i < count; ++i) {
            const QPoint at = canvas().centreOf(i).toPoint() * view()->devicePixelRatio();
            const QColor expected = colors[i] ? ColorOf(colors[i]) : QColor(Qt::black);
            EXPECT_EQ(shown.pixelColor(at).rgb(), expected.rgb()) << "light " << i;
        }
        // and around them pixel for pixel what the view draws when it draws all of itself anew
        canvas().repaint();
        EXPECT_EQ(shown, painted());
    };
    std::vector<std::uint32_t> colors(count, 0);
    expectShown(colors);
    colors.assign(count, 0x0000FF);
    expectShown(colors);
    colors[0] = 0x00FF00;
    expectShown(colors);
    colors[0] = 0x0000FF; // a colour the light had before
    expectShown(colors);
    colors[0] = 0;
    expectShown(colors);

    const QPoint from = canvas().centreOf(0).toPoint();
    const QPoint to = from + QPoint(30, 40);
    QTest::mousePress(&canvas(), Qt::LeftButton, {}, from);
    QTest::mouseMove(&canvas(), to);
    ASSERT_LT((canvas().centreOf(0) - QPointF(to)).manhattanLength(), 2.0);
    colors[0] = 0x0000FF; // drawn before, but at its old place: a test may run during a drag
    expectShown(colors);
    QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, to);
}

// A strobe shorter than a screen frame is never lost between two frames: a light lit at any
// step since the last frame is shown lit at the next, then dark; so at 1 ms steps the strobe is
// seen on the model as on its indicator.
TEST_F(ModelView, AFlashShorterThanAFrameIsShownAtTheNextFrame) {
    start();
    openView();
    const std::size_t count = canvas().model().lights.size();
    std::vector<std::uint32_t> strobe(count, 0);
    strobe[2] = 0xFFFFFF;
    canvas().showColors(strobe);
    canvas().showColors(std::vector<std::uint32_t>(count, 0)); // over before any frame
    ASSERT_TRUE(QTest::qWaitFor([&] { return canvas().shownColors()[2] != 0; }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return canvas().shownColors()[2] == 0; }, 1000));

    LedSequence& s = form->sequence();
    s.setCell(2, 5, 1); // one event in ten
    s.setEndEvent(9);
    s.setTestSpeed(1);
    int samples = 0;
    int lit = 0;
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        ++samples;
        lit += canvas().shownColors()[2] != 0;
    });
    form->toggleTest();
    sample.start(7);
    QTest::qWait(400);
    form->stopTest();
    waitUntilTestEnds();
    EXPECT_GT(lit, 0) << samples << " samples";
}

// A name of the user's that looks like HTML is shown as it was typed, in the timing line and the
// tooltips: it neither grows into a heading nor pulls a picture in.
TEST_F(ModelView, NamesThatLookLikeHtmlAreShownAsTyped) {
    start();
    openView();
    const QString name = "<h1>BIG</h1><img src=\"x.png\">";
    dialogs.texts = {name};
    emit canvas().renameAsked(2);
    const auto shownAs = [](const QString& text) {
        QTextDocument document;
        if (Qt::mightBeRichText(text))
            document.setHtml(text);
        else
            document.setPlainText(text);
        return document.toPlainText();
    };
    EXPECT_TRUE(shownAs(form->controls().ledLabels[2]->toolTip()).contains(name));
    QHelpEvent help(QEvent::ToolTip, inCell(2, 3), grid()->mapToGlobal(inCell(2, 3)));
    QCoreApplication::sendEvent(grid(), &help);
    EXPECT_TRUE(shownAs(QToolTip::text()).startsWith(name)) << QToolTip::text().toStdString();
    auto* line = find<QLabel>("TimingReadout");
    const int height = line->sizeHint().height();
    moveTo(2, 3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return line->text().startsWith(name); }, 1000));
    EXPECT_EQ(line->sizeHint().height(), height);
}

// Stopped, the view shows the stick's zone as the scroll bar stands now.
TEST_F(ModelView, AtRestTheViewFollowsTheStick) {
    start();
    LedSequence& s = form->sequence();
    s.setCell(2, 0, 1);
    s.setServoMode(2, 12); // lit in the upper two zones only
    openView();
    find<QScrollBar>("ServoStick")->setValue(140);
    EXPECT_EQ(canvas().colors()[2], 0u);
    find<QScrollBar>("ServoStick")->setValue(180);
    EXPECT_EQ(canvas().colors()[2], 0xFFFFFFu);
}
