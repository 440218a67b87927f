#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QMainWindow;

namespace zg {

class UnsavedWork;
class UserDialogs;

// Tells the user, once a run, that unsaved work is not being kept and where the program tried:
// at once in the status line, and in a message as soon as no mouse button is held, so that the
// message never breaks off a drag on the grid.
class NotKeptNotice : public QObject {
    Q_OBJECT
  public:
    NotKeptNotice(UnsavedWork& unsaved, UserDialogs& dialogs, QMainWindow& window);

  private:
    void showStatus(const QString& folder, const QString& reason);
    void showMessageWhenFree();

    UserDialogs& dialogs_;
    QMainWindow& window_;
    QString message_;
    QTimer wait_;
};

} // namespace zg
