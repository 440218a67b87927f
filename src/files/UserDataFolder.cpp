#include "UserDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace zg {

namespace {

const QString kProgramFolder = QStringLiteral("zelta-glow");

// A copy whose program runs keeps its lock; only an unguarded one moves.
bool heldByARunningProgram(const QFileInfo& copy) {
    const QString lockPath = copy.dir().filePath(copy.completeBaseName() + QStringLiteral(".lock"));
    if (!QFileInfo::exists(lockPath))
        return false;
    QLockFile lock(lockPath);
    lock.setStaleLockTime(0);
    return !lock.tryLock(0);
}

void moveFile(const QFileInfo& from, const QDir& to) {
    const QString target = to.filePath(from.fileName());
    if (!QFileInfo::exists(target))
        QFile::rename(from.absoluteFilePath(), target);
}

void moveCopies(const QDir& from, const QDir& to) {
    const QFileInfoList copies = from.entryInfoList({QStringLiteral("unsaved*.DAT")}, QDir::Files);
    for (const QFileInfo& copy : copies) {
        if (heldByARunningProgram(copy))
            continue;
        const QString nameFile = copy.completeBaseName() + QStringLiteral(".name");
        const bool free =
            !QFileInfo::exists(to.filePath(copy.fileName())) && !QFileInfo::exists(to.filePath(nameFile));
        if (!free)
            continue;
        moveFile(copy, to);
        if (from.exists(nameFile))
            moveFile(QFileInfo(from.filePath(nameFile)), to);
        QFile::remove(from.filePath(copy.completeBaseName() + QStringLiteral(".lock")));
    }
}

} // namespace

QString UserDataFolder() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                           QLatin1Char('/') + kProgramFolder);
}

QString UserModelFolder() {
    return UserDataFolder() + QStringLiteral("/models");
}

QStringList EarlierUserDataFolders() {
    const QString current =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    QStringList earlier;
    for (const QString& folder : {current, QFileInfo(current).path()})
        if (folder != UserDataFolder() && QFileInfo(folder).fileName() == kProgramFolder)
            earlier << folder;
    return earlier;
}

void MoveEarlierUserData(const QString& folder, const QStringList& earlier) {
    for (const QString& place : earlier) {
        const QDir from(place);
        if (!from.exists())
            continue;
        QDir().mkpath(folder);
        moveCopies(from, QDir(folder));
        const QDir presets(from.filePath(QStringLiteral("presets")));
        if (presets.exists()) {
            QDir().mkpath(folder + QStringLiteral("/presets"));
            for (const QFileInfo& preset : presets.entryInfoList(QDir::Files))
                moveFile(preset, QDir(folder + QStringLiteral("/presets")));
            QDir().rmdir(presets.path()); // only when it is empty now
        }
        if (place != folder)
            QDir().rmdir(place);
    }
}

} // namespace zg
