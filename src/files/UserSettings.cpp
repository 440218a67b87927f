#include "UserSettings.h"

#include "ConfigFile.h"
#include "UserSettingsFailures.h"

#include <QSettings>

#include <filesystem>
#include <initializer_list>
#include <utility>

namespace zg {

namespace {
const QString kPort = QStringLiteral("settings/port");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kRecent = QStringLiteral("files/recent");
const QString kModuleSpeed = QStringLiteral("test/moduleSpeed");
const QString kLanguage = QStringLiteral("view/language");
const QString kModelName = QStringLiteral("model/current");
const QString kModelGeometry = QStringLiteral("model/geometry");
const QString kModelShown = QStringLiteral("model/shown");
const QString kHelpGeometry = QStringLiteral("helpWindow/geometry");
const QString kStickGuid = QStringLiteral("joystick/guid");
const QString kStickName = QStringLiteral("joystick/name");
const QString kStickAxis = QStringLiteral("joystick/axis");
const QString kStickLow = QStringLiteral("joystick/low");
const QString kStickHigh = QStringLiteral("joystick/high");
const QString kStickReverse = QStringLiteral("joystick/reverse");

// Written at once and checked, so that a place where nothing can be written is said while the
// user is there, not found out at the next start. An invalid value removes the key. Keys that
// belong together are written with one write to the disk.
void write(std::initializer_list<std::pair<QString, QVariant>> values) {
    QSettings settings;
    for (const auto& [key, value] : values) {
        if (value.isValid())
            settings.setValue(key, value);
        else
            settings.remove(key);
    }
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        if (auto* failures = UserSettingsFailures::ofApplication())
            emit failures->failed(settings.fileName());
}

void write(const QString& key, const QVariant& value) {
    write({{key, value}});
}
} // namespace

std::optional<int> UserSettings::port() {
    bool ok = false;
    const int port = QSettings().value(kPort).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return port;
}

AppConfig UserSettings::startConfig() {
    AppConfig config = LoadConfig();
    std::error_code error;
    if (!std::filesystem::exists(kConfigFileName, error))
        config.CommPort = std::int16_t(port().value_or(config.CommPort));
    return config;
}

void UserSettings::setPort(int port) {
    write(kPort, port);
}

bool UserSettings::moduleSpeed() {
    return QSettings().value(kModuleSpeed, false).toBool();
}

void UserSettings::setModuleSpeed(bool on) {
    write(kModuleSpeed, on);
}

QString UserSettings::language() {
    return QSettings().value(kLanguage).toString();
}

void UserSettings::setLanguage(const QString& language) {
    if (language.isEmpty())
        write(kLanguage, {});
    else
        write(kLanguage, language);
}

QByteArray UserSettings::windowGeometry() {
    return QSettings().value(kGeometry).toByteArray();
}

void UserSettings::setWindowGeometry(const QByteArray& geometry) {
    write(kGeometry, geometry);
}

QString UserSettings::modelName() {
    return QSettings().value(kModelName).toString();
}

void UserSettings::setModelName(const QString& name) {
    write(kModelName, name);
}

QByteArray UserSettings::modelViewGeometry() {
    return QSettings().value(kModelGeometry).toByteArray();
}

void UserSettings::setModelViewGeometry(const QByteArray& geometry) {
    write(kModelGeometry, geometry);
}

bool UserSettings::modelViewShown() {
    return QSettings().value(kModelShown).toBool();
}

void UserSettings::setModelViewShown(bool shown) {
    write(kModelShown, shown);
}

QByteArray UserSettings::helpWindowGeometry() {
    return QSettings().value(kHelpGeometry).toByteArray();
}

void UserSettings::setHelpWindowGeometry(const QByteArray& geometry) {
    write(kHelpGeometry, geometry);
}

std::optional<UserSettings::StickChoice> UserSettings::stickChoice() {
    const QSettings settings;
    StickChoice choice;
    choice.guid = settings.value(kStickGuid).toString();
    if (choice.guid.isEmpty())
        return std::nullopt;
    choice.name = settings.value(kStickName).toString();
    choice.axis = settings.value(kStickAxis).toInt();
    choice.low = settings.value(kStickLow, choice.low).toInt();
    choice.high = settings.value(kStickHigh, choice.high).toInt();
    choice.reverse = settings.value(kStickReverse).toBool();
    return choice;
}

// Without a choice every key goes, so that no part of an earlier one is read back.
void UserSettings::setStickChoice(const std::optional<StickChoice>& choice) {
    write({{kStickGuid, choice ? QVariant(choice->guid) : QVariant()},
           {kStickName, choice ? QVariant(choice->name) : QVariant()},
           {kStickAxis, choice ? QVariant(choice->axis) : QVariant()},
           {kStickLow, choice ? QVariant(choice->low) : QVariant()},
           {kStickHigh, choice ? QVariant(choice->high) : QVariant()},
           {kStickReverse, choice ? QVariant(choice->reverse) : QVariant()}});
}

QStringList UserSettings::recentFiles() {
    return QSettings().value(kRecent).toStringList().mid(0, kRecentFileCount);
}

void UserSettings::setRecentFiles(QStringList files) {
    files.removeDuplicates();
    write(kRecent, files.mid(0, kRecentFileCount));
}

void UserSettings::addRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    setRecentFiles(files);
}

void UserSettings::removeRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    setRecentFiles(files);
}

} // namespace zg
