#include "TestPlaybackFixture.h"

#include "playback/TestStep.h"
#include "ui/settings/SettingsDialog.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <array>
#include <functional>
#include <vector>

using namespace zg;

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
