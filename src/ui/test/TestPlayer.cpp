#include "TestPlayer.h"

#include "export/FormColors.h"
#include "playback/ServoZone.h"
#include "playback/TestStep.h"
#include "ui/controls/LedIndicator.h"
#include "ui/grid/GridWidget.h"

#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

namespace zg {

TestPlayer::TestPlayer(const Controls& controls, const LedSequence& sequence, QObject* parent)
    : QObject(parent), c_(controls), sequence_(sequence), stepTimer_(new QTimer(this)) {
    stepTimer_->setObjectName(QStringLiteral("Timer1"));
    stepTimer_->setSingleShot(true);
    stepTimer_->setTimerType(Qt::PreciseTimer);
    // Handled where it fires: a step costs one pass of the event loop, not one more for a queued call.
    connect(stepTimer_, &QTimer::timeout, this, &TestPlayer::stepTimerElapsed);
    connect(c_.servoStick, &QScrollBar::valueChanged, this, &TestPlayer::stickValueChanged);
}

int TestPlayer::servoZone() const {
    return ServoZoneOf(c_.servoStick->value());
}

void TestPlayer::toggle() {
    if (IsServoControlled(sequence_)) {
        showServoStick(true);
        emit stickShown(true);
        c_.servoStick->setFocus();
    }
    if (running_) {
        stopTest();
        return;
    }
    running_ = true;
    c_.testButton->setText(tr("Stop Test"));
    testSpeed_ = sequence_.testSpeed(); // a new test speed applies from the next test
    saidFastest_ = false;
    servoZoneMask_ = ServoZoneMaskOf(c_.servoStick->value());
    // Also when an earlier test is still winding down: the new one starts over at event 0.
    passEnd_ = sequence_.endEvent();
    showStep(0);
    emit runningChanged(true);
}

// Each event stays on screen for the whole step, counted from the moment it is shown: a step that
// came late (a message box held the window) is never made up for by a shorter one.
void TestPlayer::showStep(EventIndex i) {
    showing_ = i;
    c_.grid->setPlayingEvent(i);
    const auto colors = IndicatorColors(sequence_, i, servoZoneMask_);
    for (LedChannel led = 0; led < kLedCount; ++led)
        c_.ledIndicators[led]->setFillColor(ColorOf(colors[led]));
    emit stepShown(i, servoZoneMask_);
    // At the module's speed, a new sequencer delay or the choice itself applies from this step.
    stepTimer_->start(stepIntervalMs());
}

void TestPlayer::stepTimerElapsed() {
    if (!showing_)
        return;
    emit stepElapsed(*showing_);
    c_.grid->setPlayingEvent(std::nullopt);
    if (!running_) {
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
    for (LedIndicator* led : c_.ledIndicators)
        led->setFillColor(Qt::black);
    emit stickShown(false);
    emit woundDown();
}

void TestPlayer::stopTest() {
    if (!running_)
        return; // nothing to stop: the stick and the caption stay as they are
    showServoStick(false);
    running_ = false;
    // The caption keeps its underlined T, as before the first test; the menu bar owns Alt+T.
    c_.testButton->setText(tr("&Test"));
    c_.testButton->setShortcut(QKeySequence());
    emit runningChanged(false);
}

// At the module's speed the test steps at the sequencer delay; a delay of 0 runs the module at its
// fastest, which the test can only show at its own fastest step.
int TestPlayer::stepIntervalMs() {
    const bool fastest = moduleSpeed_ && sequence_.sequencerDelay() < 1;
    if (fastest && !saidFastest_)
        emit notice(tr("The sequencer delay is 0: the module runs at its fastest, and the test plays at its "
                       "fastest step, %1 ms.")
                        .arg(kFastestStepMs));
    saidFastest_ = fastest; // said again only after it has been otherwise
    if (fastest)
        return kFastestStepMs;
    return StepIntervalMs(moduleSpeed_ ? sequence_.sequencerDelay() : testSpeed_);
}

void TestPlayer::followServoModes() {
    if (!running_)
        return;
    const bool controlled = IsServoControlled(sequence_);
    if (controlled == c_.servoStick->isVisible())
        return;
    showServoStick(controlled);
    emit stickShown(controlled);
}

void TestPlayer::showServoStick(bool shown) {
    for (QWidget* widget : {static_cast<QWidget*>(c_.servoStick), static_cast<QWidget*>(c_.pulseWidthCaption),
                            static_cast<QWidget*>(c_.servoHint), static_cast<QWidget*>(c_.pulseWidth),
                            static_cast<QWidget*>(c_.pulseWidthUnit)})
        widget->setVisible(shown);
}

void TestPlayer::stickValueChanged(int value) {
    c_.pulseWidth->setText(QString::number(PulseWidthOf(value)));
    servoZoneMask_ = ServoZoneMaskOf(value);
    emit servoStickMoved(servoZoneMask_);
}

} // namespace zg
