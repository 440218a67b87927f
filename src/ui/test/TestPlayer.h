#pragma once

#include "model/LedSequence.h"
#include "model/LedTables.h"

#include <QObject>

#include <array>
#include <optional>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;

namespace zg {

class GridWidget;
class LedIndicator;

// The on-screen test: plays events 0 to the end mark, pass after pass, one per tick of the step
// timer, and lights the indicators as the servo stick's zone allows. Between ticks nothing of the
// test runs, so the whole window stays usable; a stop takes effect at the next step boundary.
class TestPlayer : public QObject {
    Q_OBJECT
  public:
    // The main window's controls the test plays on: the grid's playing column, the indicators, the
    // stick with its pulse width, and the button whose caption it changes.
    struct Controls {
        GridWidget* grid = nullptr;
        std::array<LedIndicator*, kLedCount> ledIndicators{};
        QPushButton* testButton = nullptr;
        QScrollBar* servoStick = nullptr;
        QLabel* pulseWidthCaption = nullptr;
        QLabel* pulseWidth = nullptr;
        QLabel* pulseWidthUnit = nullptr;
        QLabel* servoHint = nullptr;
    };
    TestPlayer(const Controls& controls, const LedSequence& sequence, QObject* parent);

    bool running() const { return running_; }
    // A test is playing or winding down: its last step is still on screen.
    bool active() const { return showing_.has_value(); }
    // The zone 0..3 the servo stick stands in now, and its bit.
    int servoZone() const;
    int servoZoneMask() const { return servoZoneMask_; }

    // Starts a test, or stops the one running.
    void toggle();
    // Stops a running test; the playback winds down at its next step boundary. Without a running
    // test it does nothing, so commands that stop a test first just call it.
    void stopTest();
    // Steps at the module's sequencer delay instead of the test speed, from the next step on.
    void setModuleSpeed(bool on) { moduleSpeed_ = on; }
    bool moduleSpeed() const { return moduleSpeed_; }
    // The document changed: a test that has become servo-controlled shows the stick at once, one
    // that no longer is hides it.
    void followServoModes();

  signals:
    // Something the user should know about the test that has just started.
    void notice(const QString& text);
    // A test has started, or has been stopped.
    void runningChanged(bool running);

    // The user moved the servo stick into zones `servoZoneMask`.
    void servoStickMoved(int servoZoneMask);

    // Event `e` is on screen now, lit as the stick's zones `servoZoneMask` allow.
    void stepShown(zg::EventIndex e, int servoZoneMask);
    // The test has wound down: nothing of it is on screen any more.
    void woundDown();
    // The servo stick is shown, in the Settings button's place and on the note's line: from the
    // start of a servo-controlled test until it has wound down, and while a running test turns
    // servo-controlled.
    void stickShown(bool shown);

    // Event `e` has been on screen for its whole step; the player moves on once this returns.
    void stepElapsed(EventIndex e);

  private:
    void stepTimerElapsed();
    void showStep(EventIndex i);
    void windDown();
    void showServoStick(bool shown);
    void stickValueChanged(int value);
    int stepIntervalMs();

    Controls c_;
    const LedSequence& sequence_;
    QTimer* stepTimer_ = nullptr;
    bool running_ = false;
    std::optional<EventIndex> showing_; // the event on screen while a test plays or winds down
    EventIndex passEnd_ = kLastEvent;   // the end mark read at the start of the pass
    int servoZoneMask_ = 4;
    bool moduleSpeed_ = false;
    std::int16_t testSpeed_ = 0; // read at the start of a test
    bool saidFastest_ = false;   // the notice that delay 0 plays at the fastest step was given
};

} // namespace zg
