#pragma once

#include "device/JoystickInput.h"
#include "device/StickAxis.h"

#include <QDialog>
#include <QTimer>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace zg {

// Chooses the joystick that stands for the servo stick and learns its axis: the user moves the
// stick or switch that drives the lights, and the axis that moved most is taken with the two ends
// it reached. Reverse flips it; "Use the Scroll Bar" turns the joystick off.
class StickInputDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kReadEveryMs = 30;
    // Joysticks plugged in or pulled out are looked for every so many reads.
    static constexpr int kLookAgainEvery = 10;

    StickInputDialog(JoystickInput& input, const std::optional<StickAxis>& current, QWidget* parent);
    void done(int result) override;

    // The axis chosen on OK; nothing for the scroll bar alone.
    std::optional<StickAxis> chosen() const;

  private:
    void buildControls();
    void listJoysticks();
    bool joysticksChanged();
    void joystickChosen(int index);
    void read();

    JoystickInput& input_;
    std::optional<StickAxis> current_;
    std::vector<JoystickInfo> present_;
    AxisLearner learner_;
    bool scrollBar_ = false;
    int reads_ = 0;
    QComboBox* joysticks_ = nullptr;
    QLabel* state_ = nullptr;
    QLabel* learnt_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    QPushButton* ok_ = nullptr;
    QTimer timer_;
};

} // namespace zg
