#include "StickInputDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zg {

StickInputDialog::StickInputDialog(JoystickInput& input, const std::optional<StickAxis>& current,
                                   QWidget* parent)
    : QDialog(parent), input_(input), current_(current) {
    setObjectName(QStringLiteral("StickInputDialog"));
    setWindowTitle(tr("Stick Input"));
    buildControls();
    timer_.setInterval(kReadEveryMs);
    connect(&timer_, &QTimer::timeout, this, &StickInputDialog::read);
    if (const auto error = input_.start()) {
        state_->setText(
            tr("Joysticks cannot be read on this computer: %1").arg(QString::fromStdString(*error)));
        return;
    }
    listJoysticks();
    timer_.start();
}

// Answered, the dialog lets the joystick go at once: it may be deleted only later, after the
// window's own use of the joystick has ended.
void StickInputDialog::done(int result) {
    timer_.stop();
    input_.close();
    QDialog::done(result);
}

void StickInputDialog::buildControls() {
    joysticks_ = new QComboBox(this);
    joysticks_->setObjectName(QStringLiteral("StickJoysticks"));
    connect(joysticks_, &QComboBox::currentIndexChanged, this, &StickInputDialog::joystickChosen);
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("StickState"));
    state_->setWordWrap(true);
    learnt_ = new QLabel(this);
    learnt_->setObjectName(QStringLiteral("StickLearnt"));
    reverse_ = new QCheckBox(tr("&Reverse"), this);
    reverse_->setObjectName(QStringLiteral("StickReverse"));
    reverse_->setChecked(current_ && current_->reverse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    QPushButton* scrollBar = buttons->addButton(tr("Use the &Scroll Bar"), QDialogButtonBox::ResetRole);
    scrollBar->setObjectName(QStringLiteral("StickUseScrollBar"));
    connect(scrollBar, &QPushButton::clicked, this, [this] {
        scrollBar_ = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("&Joystick:"), this);
    caption->setBuddy(joysticks_);
    layout->addWidget(caption);
    layout->addWidget(joysticks_);
    layout->addWidget(state_);
    layout->addWidget(learnt_);
    layout->addWidget(reverse_);
    layout->addWidget(buttons);
    ok_->setEnabled(false);
}

// The joystick shown stays chosen while it is plugged in, and so does what was learnt of it.
void StickInputDialog::listJoysticks() {
    const int index = joysticks_->currentIndex();
    const std::string shown = index >= 0 && std::size_t(index) < present_.size()
                                  ? present_[std::size_t(index)].guid
                              : current_ ? current_->guid
                                         : std::string();
    present_ = input_.present();
    const QSignalBlocker blocker(joysticks_);
    joysticks_->clear();
    int chosen = 0;
    for (std::size_t i = 0; i < present_.size(); ++i) {
        joysticks_->addItem(QString::fromStdString(present_[i].name));
        if (present_[i].guid == shown)
            chosen = int(i);
    }
    joysticks_->setEnabled(!present_.empty());
    if (present_.empty()) {
        state_->setText(tr("No joystick found: plug the transmitter in as a USB joystick."));
        learnt_->clear();
        ok_->setEnabled(false);
        return;
    }
    joysticks_->setCurrentIndex(chosen);
    if (index < 0 || present_[std::size_t(chosen)].guid != shown)
        joystickChosen(chosen);
}

// Whether a joystick was plugged in or pulled out since the list was made.
bool StickInputDialog::joysticksChanged() {
    std::vector<std::string> listed;
    for (const JoystickInfo& info : present_)
        listed.push_back(info.guid);
    return input_.guids() != listed;
}

void StickInputDialog::joystickChosen(int index) {
    learner_ = AxisLearner();
    if (index < 0 || !input_.open(present_[std::size_t(index)].guid))
        return;
    state_->setText(tr("Move the stick or switch that drives the lights from one end to the other."));
    const bool known = current_ && current_->guid == present_[std::size_t(index)].guid;
    learnt_->setText(
        known ? tr("Axis %1, from %2 to %3").arg(current_->axis + 1).arg(current_->low).arg(current_->high)
              : QString());
    ok_->setEnabled(known);
}

// Learns from what the joystick reports; looks again for one while none is there.
void StickInputDialog::read() {
    // A joystick just listed is read from the next time on, once it has reported its axes.
    if ((present_.empty() || ++reads_ % kLookAgainEvery == 0) && joysticksChanged()) {
        listJoysticks();
        return;
    }
    if (present_.empty())
        return;
    input_.update();
    learner_.sample(input_.axes());
    if (const auto axis = learner_.learnt()) {
        learnt_->setText(tr("Axis %1, from %2 to %3")
                             .arg(axis->first + 1)
                             .arg(axis->second.first)
                             .arg(axis->second.second));
        ok_->setEnabled(true);
    }
}

std::optional<StickAxis> StickInputDialog::chosen() const {
    const int index = joysticks_->currentIndex();
    if (scrollBar_ || index < 0 || present_.empty())
        return std::nullopt;
    StickAxis axis;
    const JoystickInfo& info = present_[std::size_t(index)];
    if (current_ && current_->guid == info.guid)
        axis = *current_;
    axis.guid = info.guid;
    axis.name = info.name;
    if (const auto learnt = learner_.learnt()) {
        axis.axis = learnt->first;
        axis.low = learnt->second.first;
        axis.high = learnt->second.second;
    }
    axis.reverse = reverse_->isChecked();
    return axis;
}

} // namespace zg
