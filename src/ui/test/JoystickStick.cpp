#include "JoystickStick.h"

#include "ui/test/StickInputDialog.h"

#include <QScrollBar>
#include <QSettings>

namespace zg {

namespace {

const QString kGroup = QStringLiteral("joystick/");

std::optional<StickAxis> rememberedAxis() {
    const QSettings settings;
    const QString guid = settings.value(kGroup + QStringLiteral("guid")).toString();
    if (guid.isEmpty())
        return std::nullopt;
    StickAxis axis;
    axis.guid = guid.toStdString();
    axis.name = settings.value(kGroup + QStringLiteral("name")).toString().toStdString();
    axis.axis = settings.value(kGroup + QStringLiteral("axis")).toInt();
    axis.low = settings.value(kGroup + QStringLiteral("low"), axis.low).toInt();
    axis.high = settings.value(kGroup + QStringLiteral("high"), axis.high).toInt();
    axis.reverse = settings.value(kGroup + QStringLiteral("reverse")).toBool();
    return axis;
}

void remember(const std::optional<StickAxis>& axis) {
    QSettings settings;
    settings.remove(QStringLiteral("joystick"));
    if (!axis)
        return;
    settings.setValue(kGroup + QStringLiteral("guid"), QString::fromStdString(axis->guid));
    settings.setValue(kGroup + QStringLiteral("name"), QString::fromStdString(axis->name));
    settings.setValue(kGroup + QStringLiteral("axis"), axis->axis);
    settings.setValue(kGroup + QStringLiteral("low"), axis->low);
    settings.setValue(kGroup + QStringLiteral("high"), axis->high);
    settings.setValue(kGroup + QStringLiteral("reverse"), axis->reverse);
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
