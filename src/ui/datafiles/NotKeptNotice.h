#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QMainWindow;

namespace zg {

class UnsavedWork;
class UserDialogs;

// Tells the user, once a run each, that unsaved work is not being kept or that settings cannot be
// remembered, and where the program tried: at once in the status line, and in a message as soon as
// no mouse button is held, so that the message never breaks off a drag on the grid.
class NotKeptNotice : public QObject {
    Q_OBJECT
  public:
    NotKeptNotice(UnsavedWork& unsaved, UserDialogs& dialogs, QMainWindow& window);

    // The program ends at once: a message still waiting is said now, whatever the mouse does.
    void sayNow();

  private:
    void unsavedNotKept(const QString& folder, const QString& reason);
    void settingsNotKept(const QString& file);
    void say(const QString& status, const QString& message);
    void sayWhenFree();

    UserDialogs& dialogs_;
    QMainWindow& window_;
    QStringList waiting_;
    bool settingsSaid_ = false; // unsaved work says its own once
    QTimer wait_;
};

} // namespace zg
