#include "NotKeptNotice.h"

#include "ui/commands/FileCommandTexts.h"
#include "ui/commands/UnsavedWork.h"
#include "ui/dialogs/UserDialogs.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QStatusBar>

namespace zg {

NotKeptNotice::NotKeptNotice(UnsavedWork& unsaved, UserDialogs& dialogs, QMainWindow& window)
    : QObject(&window), dialogs_(dialogs), window_(window) {
    wait_.setInterval(200);
    connect(&wait_, &QTimer::timeout, this, &NotKeptNotice::showMessageWhenFree);
    connect(&unsaved, &UnsavedWork::cannotKeep, this, &NotKeptNotice::showStatus);
}

void NotKeptNotice::showStatus(const QString& folder, const QString& reason) {
    const QString shown = QDir::toNativeSeparators(folder);
    window_.statusBar()->showMessage(NotKeptStatus(shown), 15000);
    message_ = NotKeptMessage(shown, reason);
    wait_.start();
}

void NotKeptNotice::showMessageWhenFree() {
    if (QApplication::mouseButtons() != Qt::NoButton)
        return;
    wait_.stop();
    dialogs_.exclaim(&window_, message_);
}

} // namespace zg
