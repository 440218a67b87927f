#include "NotKeptNotice.h"

#include "files/UserSettingsFailures.h"
#include "ui/common/UserDialogs.h"
#include "ui/datafiles/FileCommandTexts.h"
#include "ui/datafiles/UnsavedWork.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

#include <utility>

namespace zg {

NotKeptNotice::NotKeptNotice(UnsavedWork& unsaved, UserDialogs& dialogs, QMainWindow& window)
    : QObject(&window), dialogs_(dialogs), window_(window) {
    wait_.setInterval(200);
    connect(&wait_, &QTimer::timeout, this, &NotKeptNotice::sayWhenFree);
    connect(&unsaved, &UnsavedWork::cannotKeep, this, &NotKeptNotice::unsavedNotKept);
    if (auto* failures = UserSettingsFailures::ofApplication())
        connect(failures, &UserSettingsFailures::failed, this, &NotKeptNotice::settingsNotKept);
}

void NotKeptNotice::unsavedNotKept(const QString& folder, const QString& reason) {
    const QString shown = QDir::toNativeSeparators(folder);
    say(NotKeptStatus(shown), NotKeptMessage(shown, reason));
}

void NotKeptNotice::settingsNotKept(const QString& file) {
    if (std::exchange(settingsSaid_, true))
        return;
    const QString shown = QDir::toNativeSeparators(file);
    say(NotRememberedStatus(shown), NotRememberedMessage(shown));
}

void NotKeptNotice::say(const QString& status, const QString& message) {
    window_.statusBar()->showMessage(status, 15000);
    waiting_ << message;
    wait_.start();
}

void NotKeptNotice::sayWhenFree() {
    if (QApplication::mouseButtons() == Qt::NoButton)
        sayNow();
}

void NotKeptNotice::sayNow() {
    wait_.stop();
    for (const QString& message : std::exchange(waiting_, {}))
        dialogs_.exclaim(&window_, message);
}

} // namespace zg
