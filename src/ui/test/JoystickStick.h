#pragma once

#include "device/JoystickInput.h"
#include "device/StickAxis.h"

#include <QObject>
#include <QTimer>

#include <optional>

class QScrollBar;
class QWidget;

namespace zg {

// A transmitter used as a joystick drives the servo stick while a test runs: the chosen axis,
// between its learnt ends, moves the scroll bar as the user would (not while the user holds its
// thumb). SDL starts only when a test starts with a joystick chosen, or the Stick Input dialog
// opens; the joystick is read only then, so an idle program costs nothing.
class JoystickStick : public QObject {
    Q_OBJECT
  public:
    static constexpr int kReadEveryMs = 20;

    JoystickStick(QScrollBar& stick, QObject* parent);

    JoystickInput& input() { return input_; }
    // The axis chosen, kept with QSettings; none for the scroll bar alone.
    const std::optional<StickAxis>& chosen() const { return chosen_; }
    void choose(const std::optional<StickAxis>& axis);

    // Opens the Stick Input dialog over `parent`; its OK chooses the axis.
    void openDialog(QWidget* parent);

    void testRunning(bool running);
    bool following() const { return timer_.isActive(); }

  signals:
    void notice(const QString& text);

  private:
    void read();

    QScrollBar& stick_;
    JoystickInput input_;
    std::optional<StickAxis> chosen_;
    QTimer timer_;
};

} // namespace zg
