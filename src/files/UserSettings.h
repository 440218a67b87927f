#pragma once

#include "model/AppConfig.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace zg {

// What the program remembers for the user from one run to the next, through QSettings: never in a
// data file, and the port only as a fallback for a start folder without LED.cfg. Each change is
// written at once; one that cannot be written is told through UserSettingsFailures.
class UserSettings {
  public:
    static constexpr int kRecentFileCount = 8;

    static std::optional<int> port();
    static void setPort(int port);
    // The configuration to start with: LED.cfg of the start folder, or without one there the port
    // the user last confirmed, since the port follows the user, not the folder.
    static AppConfig startConfig();

    // Whether the test steps at the module's sequencer delay instead of the test speed.
    static bool moduleSpeed();
    static void setModuleSpeed(bool on);

    // The language the user chose ("de", "en"...); empty for the system's.
    static QString language();
    static void setLanguage(const QString& language);

    static QByteArray windowGeometry();
    static void setWindowGeometry(const QByteArray& geometry);

    // The model the model view shows, its place, and whether it was open at the end.
    static QString modelName();
    static void setModelName(const QString& name);
    static QByteArray modelViewGeometry();
    static void setModelViewGeometry(const QByteArray& geometry);
    static bool modelViewShown();
    static void setModelViewShown(bool shown);

    // Newest first, at most kRecentFileCount.
    static QStringList recentFiles();
    static void setRecentFiles(QStringList files);
    // Puts `path` first, once, and drops what falls off the end.
    static void addRecentFile(const QString& path);
    static void removeRecentFile(const QString& path);
};

} // namespace zg
