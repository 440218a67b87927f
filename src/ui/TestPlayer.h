#pragma once

#include "MainFormControls.h"
#include "model/AppConfig.h"
#include "model/LedSequence.h"

#include <QObject>

class QTimer;

namespace zg {

// The on-screen test: plays events 0 to the end mark, pass after pass, one per tick of Timer1,
// and lights the indicators as the servo stick's zone allows. The playback waits in the event
// loop between steps, so the whole window stays usable while it runs.
class TestPlayer : public QObject {
    Q_OBJECT
  public:
    TestPlayer(MainFormControls& controls, const LedSequence& sequence, const AppConfig& config,
               QObject* parent);

    bool Running() const { return TestRunning; }
    int ServoZoneMask() const { return ServoZoneMask_; }
    QTimer* timer() const { return Timer1; } // the step timer; its tick comes back as Timer1_Timer

    // Starts a test, or stops the one running. Returns once the test it started has wound down.
    void Toggle();
    // Stops a running test; the playback winds down at its next step boundary. Without a running
    // test it does nothing, so commands that stop a test first just call it.
    void StopTest();
    void Timer1_Timer();
    void ServoStick_Change();

  signals:
    void stepElapsed();

  private:
    void play();
    bool playEvent(EventIndex i);
    void waitForStep();
    void windDown();
    void showServoStick(bool shown);

    MainFormControls& c_;
    const LedSequence& sequence_;
    const AppConfig& config_;
    QTimer* Timer1 = nullptr;
    bool TestRunning = false;
    bool StepPending = false;
    int ServoZoneMask_ = 4;
};

} // namespace zg
