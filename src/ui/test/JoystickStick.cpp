#include "JoystickStick.h"

#include "files/UserSettings.h"
#include "ui/test/StickInputDialog.h"

#include <QScrollBar>

namespace zg {

namespace {

// What is remembered of the chosen axis, in the program's words and in SDL's.
std::optional<StickAxis> rememberedAxis() {
    const auto choice = UserSettings::stickChoice();
    if (!choice)
        return std::nullopt;
    return StickAxis{choice->guid.toStdString(),
                     choice->name.toStdString(),
                     choice->axis,
                     choice->low,
                     choice->high,
                     choice->reverse};
}

void remember(const std::optional<StickAxis>& axis) {
    if (!axis)
        return UserSettings::setStickChoice(std::nullopt);
    UserSettings::setStickChoice(UserSettings::StickChoice{QString::fromStdString(axis->guid),
                                                           QString::fromStdString(axis->name), axis->axis,
                                                           axis->low, axis->high, axis->reverse});
}

} // namespace

JoystickStick::JoystickStick(QScrollBar& stick, QObject* parent)
    : QObject(parent), stick_(stick), chosen_(rememberedAxis()) {
    timer_.setInterval(kReadEveryMs);
    connect(&timer_, &QTimer::timeout, this, &JoystickStick::read);
}

void JoystickStick::openDialog(QWidget* parent) {
    auto* dialog = new StickInputDialog(input_, chosen_, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { choose(dialog->chosen()); });
    dialog->open();
}

void JoystickStick::choose(const std::optional<StickAxis>& axis) {
    chosen_ = axis;
    remember(axis);
}

// A joystick plugged in since the last test is picked up here; without one, or without SDL, the
// scroll bar is the stick as it always was.
void JoystickStick::testRunning(bool running) {
    if (!running || !chosen_) {
        timer_.stop();
        input_.close();
        return;
    }
    if (const auto error = input_.start()) {
        emit notice(tr("Joysticks cannot be read on this computer (%1): the scroll bar is the stick.")
                        .arg(QString::fromStdString(*error)));
        return;
    }
    if (!input_.open(chosen_->guid))
        return;
    read();
    timer_.start();
}

void JoystickStick::read() {
    input_.update();
    const std::vector<int> axes = input_.axes();
    if (!input_.attached() || chosen_->axis >= int(axes.size())) {
        timer_.stop();
        input_.close();
        emit notice(tr("The joystick %1 was unplugged: the scroll bar is the stick again.")
                        .arg(QString::fromStdString(chosen_->name)));
        return;
    }
    if (!stick_.isSliderDown()) // the user's hand on the thumb wins
        stick_.setValue(chosen_->stickValue(axes[std::size_t(chosen_->axis)]));
}

} // namespace zg
