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

    // The manual's window's place.
    static QByteArray helpWindowGeometry();
    static void setHelpWindowGeometry(const QByteArray& geometry);

    // The transmitter's axis chosen as the servo stick: its joystick (SDL's GUID and name), the
    // axis and the ends learnt for it; nothing where none was chosen.
    struct StickChoice {
        QString guid;
        QString name;
        int axis = 0;
        int low = -32768;
        int high = 32767;
        bool reverse = false;
    };
    static std::optional<StickChoice> stickChoice();
    static void setStickChoice(const std::optional<StickChoice>& choice);

    // Newest first, at most kRecentFileCount.
    static QStringList recentFiles();
    static void setRecentFiles(QStringList files);
    // Puts `path` first, once, and drops what falls off the end.
    static void addRecentFile(const QString& path);
    static void removeRecentFile(const QString& path);
};

} // namespace zg
