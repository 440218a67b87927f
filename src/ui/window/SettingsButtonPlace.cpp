#include "SettingsButtonPlace.h"

#include <QPushButton>

namespace zg {

SettingsButtonPlace::SettingsButtonPlace(QPushButton& button) : QObject(&button), button_(button) {}

void SettingsButtonPlace::setTakenByStick(bool taken) {
    takenByStick_ = taken;
    update();
}

void SettingsButtonPlace::setDownloadSending(bool sending) {
    downloadSending_ = sending;
    update();
}

void SettingsButtonPlace::update() {
    button_.setVisible(!takenByStick_ && !downloadSending_);
}

} // namespace zg
