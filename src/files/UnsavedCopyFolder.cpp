#include "UnsavedCopyFolder.h"

#include "DataFileWriter.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace zg {

namespace {

QString withSuffix(const QString& copy, const QString& suffix) {
    const QFileInfo info(copy);
    return info.dir().filePath(info.completeBaseName() + suffix);
}

// Locks `path` when its program is no longer running. A lock left by a dead program whose number
// this process now has looks like this program's own; the lock of a program that runs holds
// against removal, also one of another window in this very process.
std::unique_ptr<QLockFile> lockIfUnheld(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // a program may run for days: only a dead one's lock is stale
    if (lock->tryLock(0))
        return lock;
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock->error() == QLockFile::LockFailedError && lock->getLockInfo(&pid, &host, &application) &&
        pid == QCoreApplication::applicationPid() && lock->removeStaleLockFile() && lock->tryLock(0))
        return lock;
    return nullptr;
}

QString readName(const QString& file) {
    QFile name(file);
    if (!name.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(name.readAll()).trimmed();
}

} // namespace

std::unique_ptr<QLockFile> UnsavedCopyFolder::claim(QString& file) const {
    QDir().mkpath(folder_);
    const QString base =
        QDir(folder_).filePath(QStringLiteral("unsaved-%1").arg(QCoreApplication::applicationPid()));
    for (int n = 1; n <= 100; ++n) {
        const QString stem = n == 1 ? base : base + QStringLiteral("-%1").arg(n);
        if (QFileInfo::exists(stem + QStringLiteral(".DAT")))
            continue; // another program's left copy: offered, never overwritten
        if (auto lock = lockIfUnheld(stem + QStringLiteral(".lock"))) {
            file = stem + QStringLiteral(".DAT");
            return lock;
        }
    }
    return nullptr;
}

std::optional<std::string> UnsavedCopyFolder::write(const QString& file, const DataFileRecord& record,
                                                    const QString& belongedTo) {
    const QString nameFile = withSuffix(file, QStringLiteral(".name"));
    if (belongedTo.isEmpty()) {
        QFile::remove(nameFile);
    } else {
        if (const auto error = WriteWholeFile(nameFile, belongedTo.toUtf8()))
            return error->toStdString();
    }
    return WriteDataFile(QFileInfo(file).filesystemFilePath(), record);
}

std::vector<LeftCopy> UnsavedCopyFolder::leftCopies(const QString& ownFile) const {
    // "unsaved.DAT" is the one copy that earlier versions kept; "unsaved-12 (2).DAT" one moved here
    // from an earlier version's folder under a free name.
    static const QRegularExpression copyName(QStringLiteral("^unsaved(-\\d+(-\\d+)?)?( \\(\\d+\\))?\\.DAT$"));
    std::vector<LeftCopy> copies;
    const QFileInfoList files = QDir(folder_).entryInfoList({QStringLiteral("unsaved*.DAT")}, QDir::Files);
    for (const QFileInfo& info : files) {
        if (!copyName.match(info.fileName()).hasMatch() || info.absoluteFilePath() == ownFile)
            continue;
        const QString lockPath = withSuffix(info.absoluteFilePath(), QStringLiteral(".lock"));
        std::shared_ptr<QLockFile> lock = lockIfUnheld(lockPath);
        // In a folder where no lock can be made, a copy without one has no program left to run.
        if (!lock && (QFileInfo::exists(lockPath) || QFileInfo(folder_).isWritable()))
            continue; // its program is still running
        copies.push_back({info.absoluteFilePath(), info.lastModified(),
                          readName(withSuffix(info.absoluteFilePath(), QStringLiteral(".name"))), lock});
    }
    std::sort(copies.begin(), copies.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.leftAt > b.leftAt; });
    return copies;
}

void UnsavedCopyFolder::remove(const QString& file) {
    QFile::remove(file);
    QFile::remove(withSuffix(file, QStringLiteral(".name")));
}

QString UnsavedCopyFolder::setAside(const QString& file) {
    const QString stem = withSuffix(file, QStringLiteral("-unreadable"));
    for (int n = 1; n < 100; ++n) {
        const QString aside =
            stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + QStringLiteral(".DAT");
        if (!QFileInfo::exists(aside) && QFile::rename(file, aside)) {
            QFile::remove(withSuffix(file, QStringLiteral(".name")));
            return aside;
        }
    }
    return {};
}

} // namespace zg
