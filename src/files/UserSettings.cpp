#include "UserSettings.h"

#include "ConfigFile.h"
#include "UserSettingsFailures.h"

#include <QSettings>

#include <filesystem>

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

// Written at once and checked, so that a place where nothing can be written is said while the
// user is there, not found out at the next start. An invalid value removes the key.
void write(const QString& key, const QVariant& value) {
    QSettings settings;
    if (value.isValid())
        settings.setValue(key, value);
    else
        settings.remove(key);
    settings.sync();
    if (settings.status() == QSettings::AccessError)
        if (auto* failures = UserSettingsFailures::ofApplication())
            emit failures->failed(settings.fileName());
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
