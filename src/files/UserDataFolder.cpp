#include "UserDataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>

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

QString withDot(const QString& suffix) {
    return suffix.isEmpty() ? suffix : QLatin1Char('.') + suffix;
}

// `stem` itself when `to` holds no file of that stem with any of `suffixes`, else the first of
// "stem (2)", "stem (3)"... that is free; empty when none is.
QString freeStem(const QDir& to, const QString& stem, const QStringList& suffixes) {
    for (int n = 1; n <= 100; ++n) {
        const QString candidate = n == 1 ? stem : QStringLiteral("%1 (%2)").arg(stem).arg(n);
        if (std::none_of(suffixes.begin(), suffixes.end(), [&](const QString& suffix) {
                return QFileInfo::exists(to.filePath(candidate + suffix));
            }))
            return candidate;
    }
    return {};
}

// The new path, empty when the file could not be moved.
QString moveFile(const QFileInfo& from, const QDir& to) {
    const QString suffix = withDot(from.suffix());
    const QString stem = freeStem(to, from.completeBaseName(), {suffix});
    const QString target = to.filePath(stem + suffix);
    if (stem.isEmpty() || !QFile::rename(from.absoluteFilePath(), target))
        return {};
    return target;
}

// A copy goes with its name file and under a stem free for its lock too, so that it is offered
// at the next look; a copy that cannot move keeps its name file beside it.
void moveCopies(const QDir& from, const QDir& to) {
    const QFileInfoList copies = from.entryInfoList({QStringLiteral("unsaved*.DAT")}, QDir::Files);
    for (const QFileInfo& copy : copies) {
        if (heldByARunningProgram(copy))
            continue;
        const QString suffix = withDot(copy.suffix());
        const QString name = QStringLiteral(".name");
        const QString stem = freeStem(to, copy.completeBaseName(), {suffix, name, QStringLiteral(".lock")});
        if (stem.isEmpty() || !QFile::rename(copy.absoluteFilePath(), to.filePath(stem + suffix)))
            continue;
        const QString nameFile = from.filePath(copy.completeBaseName() + name);
        if (QFileInfo::exists(nameFile))
            QFile::rename(nameFile, to.filePath(stem + name));
        QFile::remove(from.filePath(copy.completeBaseName() + QStringLiteral(".lock")));
    }
}

std::vector<RenamedFile> movePresets(const QDir& from, const QString& to) {
    std::vector<RenamedFile> renamed;
    QDir().mkpath(to);
    for (const QFileInfo& preset : from.entryInfoList(QDir::Files)) {
        const QString moved = moveFile(preset, QDir(to));
        if (!moved.isEmpty() && QFileInfo(moved).fileName() != preset.fileName())
            renamed.push_back({preset.absoluteFilePath(), moved});
    }
    QDir().rmdir(from.path()); // only when it is empty now
    return renamed;
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

std::vector<RenamedFile> MoveEarlierUserData(const QString& folder, const QStringList& earlier) {
    std::vector<RenamedFile> renamed;
    for (const QString& place : earlier) {
        const QDir from(place);
        if (!from.exists())
            continue;
        QDir().mkpath(folder);
        moveCopies(from, QDir(folder));
        const QDir presets(from.filePath(QStringLiteral("presets")));
        if (presets.exists()) {
            const auto moved = movePresets(presets, folder + QStringLiteral("/presets"));
            renamed.insert(renamed.end(), moved.begin(), moved.end());
        }
        if (place != folder)
            QDir().rmdir(place);
    }
    return renamed;
}

} // namespace zg
