#pragma once

#include <QObject>
#include <QString>

namespace zg {

// Where UserSettings says that what it was to remember could not be written. There is one a run,
// a child of the application made at its first use, so that the window can listen to it without
// being handed to every part of the program that remembers something.
class UserSettingsFailures : public QObject {
    Q_OBJECT
  public:
    // The application's one; none while there is no application.
    static UserSettingsFailures* ofApplication();

  signals:
    // The settings file that could not be written.
    void failed(const QString& file);

  private:
    using QObject::QObject;
};

} // namespace zg
