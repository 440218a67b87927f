#include "TestPlayer.h"

#include "FormColors.h"
#include "GridWidget.h"
#include "LedIndicator.h"
#include "playback/ServoZone.h"
#include "playback/TestStep.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace zg {

TestPlayer::TestPlayer(MainFormControls& controls, const LedSequence& sequence, const AppConfig& config,
                       QObject* parent)
    : QObject(parent), c_(controls), sequence_(sequence), config_(config), Timer1(new QTimer(this)) {
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void TestPlayer::Toggle() {
    if (IsServoControlled(sequence_)) {
        showServoStick(true);
        c_.Settings_button->hide();
        c_.ServoStick->setFocus();
    }
    if (TestRunning) {
        StopTest();
        return;
    }
    TestRunning = true;
    c_.TestButton->setText(QStringLiteral("Stop Test"));
    Timer1->setInterval(StepIntervalMs(config_.TestSpeed));
    ServoZoneMask_ = ServoZoneMaskOf(c_.ServoStick->value());
    // Also when an earlier test is still winding down: the new one starts over at event 0.
    passEnd_ = sequence_.endEvent();
    showStep(0);
}

// Each event stays on screen for the whole step, counted from the moment it is shown: a step that
// came late (a message box held the window) is never made up for by a shorter one.
void TestPlayer::showStep(EventIndex i) {
    showing_ = i;
    c_.Grid->setPlayingEvent(i);
    const auto colors = IndicatorColors(sequence_, i, ServoZoneMask_);
    for (LedChannel led = 0; led < kLedCount; ++led)
        c_.LED[led]->setFillColor(ColorOf(colors[led]));
    Timer1->start();
    emit stepShown(i);
}

void TestPlayer::Timer1_Timer() {
    if (!showing_)
        return;
    c_.Grid->setPlayingEvent(std::nullopt);
    if (!TestRunning) {
        windDown();
        return;
    }
    EventIndex next = *showing_ + 1;
    if (next > passEnd_) {
        next = 0;
        passEnd_ = sequence_.endEvent(); // a new end mark applies from the next pass
    }
    showStep(next);
}

void TestPlayer::windDown() {
    showing_.reset();
    for (LedIndicator* led : c_.LED)
        led->setFillColor(Qt::black);
    c_.Settings_button->show();
}

void TestPlayer::StopTest() {
    if (!TestRunning)
        return; // nothing to stop: the stick and the caption stay as they are
    showServoStick(false);
    TestRunning = false;
    // The caption keeps its underlined T, as before the first test; the menu bar owns Alt+T.
    c_.TestButton->setText(QStringLiteral("&Test"));
    c_.TestButton->setShortcut(QKeySequence());
}

void TestPlayer::showServoStick(bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(c_.ServoStick), static_cast<QWidget*>(c_.PulseWidthlabel1),
                            static_cast<QWidget*>(c_.Label2), static_cast<QWidget*>(c_.PulseWidth),
                            static_cast<QWidget*>(c_.PulseWidthlabel2)})
        widget->setVisible(shown);
}

void TestPlayer::ServoStick_Change() {
    const int value = c_.ServoStick->value();
    c_.PulseWidth->setText(QString::number(PulseWidthOf(value)));
    ServoZoneMask_ = ServoZoneMaskOf(value);
}

} // namespace zg
