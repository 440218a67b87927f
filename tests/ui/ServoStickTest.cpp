// The servo stick of a test: which zones light, when the stick shows, how it moves.
#include "TestPlaybackFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTimer>
#include <QWheelEvent>

#include <array>
#include <functional>
#include <vector>

using namespace zg;

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
