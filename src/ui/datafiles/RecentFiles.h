#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace zg {

class DataFileCommands;
class UserDialogs;

// The File menu's "Recent Files": the last data files opened or saved, newest first. A file that
// has gone is taken off the list when chosen, with a message; the list can be cleared.
class RecentFiles : public QObject {
    Q_OBJECT
  public:
    RecentFiles(QWidget& window, UserDialogs& dialogs, DataFileCommands& files, QObject* parent);

    // Lists the files afresh, as the submenu opens.
    void fillMenu(QMenu* menu);
    void open(const QString& path);
    void clear();

  private:
    QWidget& window_;
    UserDialogs& dialogs_;
    DataFileCommands& files_;
};

} // namespace zg
