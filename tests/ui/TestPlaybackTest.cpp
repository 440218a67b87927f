#include "UiFixture.h"

#include "export/GridGeometry.h"
#include "playback/TestStep.h"
#include "ui/controls/LedIndicator.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>

#include <array>
#include <functional>
#include <vector>

using namespace zg;

namespace {

const QColor kGrey(128, 128, 128);

// What the window shows while one step waits for its tick.
struct Step {
    int highlighted = -1; // the grey time-axis label, -1 for none
    int greyCount = 0;
    std::array<QColor, 4> leds;
};

} // namespace

class TestPlayback : public UiFixture {
  protected:
    QPushButton* testButton() const { return find<QPushButton>("TestButton"); }
    LedIndicator* led(int i) const { return find<LedIndicator>(QStringLiteral("LED_%1").arg(i)); }
    // The step as drawn: which time-axis labels have the grey background.
    Step snapshot() const {
        Step step;
        const QImage image = grid()->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        for (int e = 0; e < 50; ++e) {
            const QPoint corner = GridGeometry::AxisRect(e).topLeft() + QPoint(1, 1);
            if (image.pixelColor(int(corner.x() * scale), int(corner.y() * scale)) == kGrey) {
                step.highlighted = e;
                ++step.greyCount;
            }
        }
        for (int i = 0; i < 4; ++i) { // as drawn: the indicators keep one picture per look
            const QImage drawn = led(i)->grab().toImage();
            step.leds[std::size_t(i)] = drawn.pixelColor(drawn.width() / 2, drawn.height() / 2);
        }
        return step;
    }

    // Starts a test with the Test button and calls `onStep` at every tick with the step shown and
    // its number; the test runs until `onStep` stops it. Returns every step seen.
    std::vector<Step> play(const std::function<void(const Step&, int)>& onStep) {
        std::vector<Step> steps;
        // At each tick, before the player moves on: the step as it stood for its whole time.
        const auto connection = atEachStepEnd([&] {
            steps.push_back(snapshot());
            onStep(steps.back(), int(steps.size()) - 1);
        });
        QTest::mouseClick(testButton(), Qt::LeftButton);
        waitUntilTestEnds();
        QObject::disconnect(connection);
        return steps;
    }
    void stop() { QTest::mouseClick(testButton(), Qt::LeftButton); }

    void expectAtRest() const {
        const Step rest = snapshot();
        EXPECT_EQ(rest.greyCount, 0);
        for (const QColor& c : rest.leds)
            EXPECT_EQ(c, QColor(Qt::black));
    }
    LedSequence& doc() { return form->sequence(); }
};

TEST_F(TestPlayback, CaptionsGoTestStopTestTestAndTheStopWindsDownAtTheNextStep) {
    start();
    doc().setCell(0, 0, 1);
    doc().setCell(2, 1, 1);
    doc().setLedColor(2, 4);
    EXPECT_EQ(testButton()->text(), "&Test");
    int stepsAfterStop = 0;
    bool stopped = false;
    const auto steps = play([&](const Step&, int n) {
        EXPECT_EQ(testButton()->text(), "Stop Test");
        if (stopped)
            ++stepsAfterStop;
        if (n == 3) {
            stop();
            stopped = true;
            EXPECT_EQ(testButton()->text(), "&Test");
        }
    });
    EXPECT_EQ(stepsAfterStop, 0);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].highlighted, 0);
    EXPECT_EQ(steps[0].leds[0], QColor(Qt::white));
    EXPECT_EQ(steps[1].highlighted, 1);
    EXPECT_EQ(steps[1].leds[2], QColor(0, 0, 255));
    EXPECT_EQ(steps[1].leds[0], QColor(Qt::black));
    for (const Step& s : steps)
        EXPECT_EQ(s.greyCount, 1);
    EXPECT_EQ(testButton()->text(), "&Test");
    expectAtRest();
    EXPECT_FALSE(form->testRunning());
    EXPECT_TRUE(find<QPushButton>("Settings_button")->isVisible());
}

TEST_F(TestPlayback, PassesRunToTheEndMarkReadAtTheirStart) {
    start();
    doubleClickAxis(0);
    std::vector<int> order;
    play([&](const Step& s, int n) {
        order.push_back(s.highlighted);
        if (n == 2)
            doubleClickAxis(2); // applies from the next pass
        if (n == 7)
            doubleClickAxis(1); // in the middle of a pass: that pass still ends at 2
        if (n == 12)
            stop();
    });
    EXPECT_EQ(order, (std::vector<int>{0, 0, 0, 0, 1, 2, 0, 1, 2, 0, 1, 0, 1}));
}

TEST_F(TestPlayback, EditsAndNewClearShowFromTheNextStep) {
    start();
    doubleClickAxis(1);
    doc().setCell(1, 0, 1);
    doc().setCell(1, 1, 1);
    std::vector<QColor> led2;
    play([&](const Step& s, int n) {
        led2.push_back(s.leds[1]);
        if (n == 1)
            doc().setLedColor(1, 1);
        if (n == 3)
            form->findChild<QAction*>("MENUnew")->trigger();
        if (n == 5)
            stop();
    });
    EXPECT_EQ(led2, (std::vector<QColor>{Qt::white, Qt::white, QColor(255, 0, 0), QColor(255, 0, 0),
                                         Qt::black, Qt::black}));
    EXPECT_EQ(form->windowTitle(), PlainTitle());
}

TEST_F(TestPlayback, ServoZonesDecideWhichControlledLedsLight) {
    start();
    doubleClickAxis(0);
    for (int i = 0; i < 4; ++i)
        doc().setCell(i, 0, 1);
    struct Case {
        int stick;
        const char* pulse;
        int litLed; // of the LEDs in modes |* - - -|, |- * - -|, |- - * -|, |- - - *|
    };
    for (const Case c :
         {Case{124, "1240", 0}, Case{125, "1250", 1}, Case{150, "1500", 2}, Case{199, "1990", 3},
          Case{100, "1000", 0}, Case{174, "1740", 2}, Case{175, "1750", 3}}) {
        for (int i = 0; i < 4; ++i)
            doc().setServoMode(i, 1 << i);
        find<QScrollBar>("ServoStick")->setValue(c.stick);
        EXPECT_EQ(find<QLabel>("PulseWidth")->text(), QLatin1String(c.pulse));
        const auto steps = play([&](const Step&, int) { stop(); });
        ASSERT_EQ(steps.size(), 1u);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(steps[0].leds[std::size_t(i)], i == c.litLed ? QColor(Qt::white) : QColor(Qt::black))
                << "stick " << c.stick << " LED " << i;
    }
}

TEST_F(TestPlayback, OffNeverLightsWhileNoneAndTypedTextLightInEveryZone) {
    start();
    doubleClickAxis(0);
    for (int i = 0; i < 4; ++i)
        doc().setCell(i, 0, 1);
    emit find<QComboBox>("ServoControl_0")->activated(0); // "OFF"
    auto* typed = find<QComboBox>("ServoControl_2");
    QTest::keyClicks(typed->lineEdit(), "zz");
    ASSERT_EQ(doc().servoMode(2), -1);
    for (int v : {100, 130, 160, 199}) {
        find<QScrollBar>("ServoStick")->setValue(v);
        const auto steps = play([&](const Step&, int) { stop(); });
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].leds[0], QColor(Qt::black)) << v;
        EXPECT_EQ(steps[0].leds[1], QColor(Qt::white)) << v;
        EXPECT_EQ(steps[0].leds[2], QColor(Qt::white)) << v;
        EXPECT_EQ(steps[0].leds[3], QColor(Qt::white)) << v;
    }
}

TEST_F(TestPlayback, StickShowsOnlyForServoControlledTests) {
    start();
    auto* stick = find<QScrollBar>("ServoStick");
    auto* settings = find<QPushButton>("Settings_button");
    play([&](const Step&, int) {
        EXPECT_FALSE(stick->isVisible());
        EXPECT_TRUE(settings->isVisible());
        stop();
    });
    emit find<QComboBox>("ServoControl_3")->activated(14);
    play([&](const Step&, int) {
        for (const char* name :
             {"ServoStick", "PulseWidthlabel1", "PulseWidth", "PulseWidthlabel2", "Label2"})
            EXPECT_TRUE(find<QWidget>(QLatin1String(name))->isVisible()) << name;
        EXPECT_FALSE(settings->isVisible());
        EXPECT_TRUE(stick->hasFocus());
        stop();
        EXPECT_FALSE(stick->isVisible());
    });
    EXPECT_TRUE(settings->isVisible());
    EXPECT_FALSE(stick->isVisible());
    // An LED whose list holds typed text is servo-controlled too.
    emit find<QComboBox>("ServoControl_3")->activated(15);
    QTest::keyClicks(find<QComboBox>("ServoControl_2")->lineEdit(), "z");
    play([&](const Step&, int) {
        EXPECT_TRUE(stick->isVisible());
        stop();
    });
}

TEST_F(TestPlayback, MovingTheStickChangesTheZoneFromTheNextStepButAThumbDragOnlyWhenReleased) {
    start();
    doubleClickAxis(0);
    doc().setCell(3, 0, 1);
    doc().setServoMode(3, 8); // lights in zone 3 only
    auto* stick = find<QScrollBar>("ServoStick");
    stick->setValue(150);
    std::vector<QColor> led4;
    play([&](const Step& s, int n) {
        led4.push_back(s.leds[3]);
        if (n == 0) {
            stick->setSliderDown(true); // dragging the thumb into zone 3
            stick->setSliderPosition(190);
        }
        if (n == 1) {
            EXPECT_EQ(find<QLabel>("PulseWidth")->text(), "1500");
            stick->setSliderDown(false);
        }
        if (n == 2) {
            EXPECT_EQ(find<QLabel>("PulseWidth")->text(), "1900");
            stop();
        }
    });
    EXPECT_EQ(led4, (std::vector<QColor>{Qt::black, Qt::black, Qt::white}));
    stick->setValue(150);
}

TEST_F(TestPlayback, SettingsButtonStopsTheTestBeforeShowingTheDialog) {
    start();
    play([&](const Step&, int n) {
        if (n == 1) {
            QTest::mouseClick(find<QPushButton>("Settings_button"), Qt::LeftButton);
            EXPECT_FALSE(form->testRunning());
            EXPECT_TRUE(form->settingsDialog()->isVisible());
        }
        EXPECT_LE(n, 1);
    });
    expectAtRest();
    EXPECT_EQ(testButton()->text(), "&Test");
}

// Test pressed again right after a stop: the new test starts over at event 0 and plays until
// it is stopped; nothing of the old one is left on screen.
TEST_F(TestPlayback, ATestStartedWhileTheLastOneWindsDownStartsOverAtEventZero) {
    start();
    std::vector<int> shown;
    play([&](const Step& step, int n) {
        shown.push_back(step.highlighted);
        if (n == 1) // during step 2: Stop, then Test again before that step is over
            QTimer::singleShot(0, form.get(), [&] {
                stop();
                QTest::mouseClick(testButton(), Qt::LeftButton);
            });
        if (n == 4)
            stop();
    });
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 0, 1, 2}));
    expectAtRest();
    EXPECT_FALSE(form->testRunning());
}

TEST_F(TestPlayback, ASpeedWithoutEntryStillStepsAtAVisibleRate) {
    start();
    for (const int speed : {0, -5, 32767}) {
        form->sequence().setTestSpeed(static_cast<std::int16_t>(speed));
        QElapsedTimer clock;
        clock.start();
        const auto steps = play([&](const Step&, int n) {
            if (n == 4)
                stop();
        });
        ASSERT_EQ(steps.size(), 5u) << speed;
        // Never a frozen or a zero-length step, nor one of 32.767 s: five steps at the slowest
        // listed speed take half a second, and a busy machine is given ten more.
        EXPECT_GE(clock.elapsed(), 5 * 10) << speed;
        EXPECT_LE(clock.elapsed(), 5 * 100 + 10000) << speed;
    }
}

TEST_F(TestPlayback, AStepAfterALateOneIsShownForTheWholeTestSpeed) {
    start();
    form->sequence().setTestSpeed(50);
    form->sequence().setSequencerDelay(7); // the module's speed never paces the screen
    QElapsedTimer clock;
    qint64 lateStepShownFor = -1;
    play([&](const Step&, int n) {
        EXPECT_EQ(form->findChild<QTimer*>("Timer1")->interval(), 50);
        if (n == 1) {
            QThread::msleep(200); // a message box held the window past the next step's time
            clock.start();
        }
        if (n == 2) {
            lateStepShownFor = clock.elapsed();
            stop();
        }
    });
    EXPECT_GE(lateStepShownFor, 49);
    // The step timer's interval is the test speed, clamped to what the settings list offers.
    for (const auto& [speed, interval] : std::vector<std::pair<int, int>>{{1, 1}, {100, 100}, {101, 100}}) {
        form->sequence().setTestSpeed(static_cast<std::int16_t>(speed));
        play([&](const Step&, int) { stop(); });
        EXPECT_EQ(form->findChild<QTimer*>("Timer1")->interval(), interval) << speed;
    }
}

TEST_F(TestPlayback, RightArrowAndWheelUpRaiseTheStickAndMoveItsThumbRight) {
    start();
    doc().setServoMode(0, 4);
    auto* stick = find<QScrollBar>("ServoStick");
    const auto thumbLeft = [&] {
        QStyleOptionSlider option;
        option.initFrom(stick);
        option.orientation = Qt::Horizontal;
        option.minimum = stick->minimum();
        option.maximum = stick->maximum();
        option.sliderPosition = stick->sliderPosition();
        option.sliderValue = stick->value();
        option.pageStep = stick->pageStep();
        option.singleStep = stick->singleStep();
        return stick->style()
            ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, stick)
            .left();
    };
    std::vector<int> values;
    std::vector<int> thumbs;
    const auto wheel = [&](int delta) {
        const QPointF at = stick->rect().center();
        QWheelEvent event(at, stick->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(stick, &event);
    };
    play([&](const Step&, int n) {
        if (n == 0) {
            thumbs.push_back(thumbLeft());
            QTest::keyClick(stick, Qt::Key_Right);
        } else if (n == 1) {
            values.push_back(stick->value());
            thumbs.push_back(thumbLeft());
            QTest::keyClick(stick, Qt::Key_Left);
            QTest::keyClick(stick, Qt::Key_Left);
        } else if (n == 2) {
            values.push_back(stick->value());
            wheel(120);
        } else {
            values.push_back(stick->value());
            stop();
        }
    });
    EXPECT_EQ(values,
              (std::vector<int>{151, 149, 149 + stick->singleStep() * QApplication::wheelScrollLines()}));
    ASSERT_EQ(thumbs.size(), 2u);
    EXPECT_GT(thumbs[1], thumbs[0]);
    EXPECT_EQ(find<QLabel>("PulseWidth")->text(), QString::number(stick->value() * 10));
    stick->setValue(150);
}

// Stopped while every LED is lit, the test leaves every indicator dark, not as the last step showed.
TEST_F(TestPlayback, ATestStoppedOnALitStepLeavesEveryIndicatorDark) {
    start();
    for (int row = 0; row < kLedCount; ++row)
        for (int e = 0; e <= kLastEvent; ++e)
            doc().setCell(row, e, 1);
    const auto steps = play([&](const Step&, int n) {
        if (n == 2)
            stop();
    });
    ASSERT_GE(steps.size(), 3u);
    EXPECT_EQ(steps[2].leds[0], QColor(Qt::white)); // the step the stop came in was lit
    expectAtRest();
}

// Played at the module's speed, the test steps at the sequencer delay; at a delay of 0 it steps at
// its fastest and says so. A servo mode chosen during a test shows the stick at once, and taking
// it back hides it.
TEST_F(TestPlayback, TheModulesSpeedAndAServoModeChosenDuringATest) {
    start();
    find<QAction>("MENUmodulespeed")->trigger();
    doc().setSequencerDelay(45);
    play([&](const Step&, int) {
        EXPECT_EQ(find<QTimer>("Timer1")->interval(), 45);
        stop();
    });
    doc().setSequencerDelay(0);
    play([&](const Step&, int) {
        EXPECT_EQ(find<QTimer>("Timer1")->interval(), kFastestStepMs);
        stop();
    });
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("sequencer delay is 0"));
    find<QAction>("MENUmodulespeed")->trigger();
    auto* stick = find<QScrollBar>("ServoStick");
    play([&](const Step&, int n) {
        EXPECT_EQ(find<QTimer>("Timer1")->interval(), 20);
        if (n == 0) {
            EXPECT_FALSE(stick->isVisible());
            form->controls().servoLists[1]->setCurrentIndex(4);
            emit form->controls().servoLists[1]->activated(4);
            EXPECT_TRUE(stick->isVisible());
            EXPECT_FALSE(find<QPushButton>("Settings_button")->isVisible());
        }
        if (n == 1) {
            find<QAction>("MENUundo")->trigger();
            EXPECT_FALSE(stick->isVisible());
            EXPECT_TRUE(find<QPushButton>("Settings_button")->isVisible());
            stop();
        }
    });
}

// Ticking the module's speed or changing the sequencer delay during a test applies at the next
// step; the choice made in one run plays the first test of the next at the module's speed.
TEST_F(TestPlayback, TheModulesSpeedAndItsDelayApplyFromTheNextStep) {
    start();
    doc().setSequencerDelay(45);
    std::vector<int> intervals;
    play([&](const Step&, int n) {
        intervals.push_back(find<QTimer>("Timer1")->interval());
        if (n == 0)
            find<QAction>("MENUmodulespeed")->trigger();
        if (n == 1)
            doc().setSequencerDelay(60);
        if (n == 2)
            stop();
    });
    EXPECT_EQ(intervals, (std::vector<int>{20, 45, 60}));
    form.reset();

    start();
    doc().setSequencerDelay(35);
    play([&](const Step&, int) {
        EXPECT_EQ(find<QTimer>("Timer1")->interval(), 35);
        stop();
    });
}
