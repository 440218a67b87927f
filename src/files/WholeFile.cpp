#include "WholeFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zg {

namespace {

struct WholeFileText {
    Q_DECLARE_TR_FUNCTIONS(zg::WholeFile)
};

// The device's own reason when it has one: a writer that gave up without a failing write says
// less than the system.
QString failure(const QFileDevice& file) {
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return WholeFileText::tr("The content could not be produced.");
}

bool writeChecked(QFileDevice& file, const std::function<bool(QIODevice&)>& write) {
    return write(file) && file.error() == QFileDevice::NoError;
}

// The system's reason for the last failed call.
QString systemReason() {
    return QString::fromStdString(std::generic_category().message(errno));
}

// Puts what was written on the disk itself, as QSaveFile's commit does before its rename: a crash
// just after the rename then finds the new content, not an empty file in the old one's place.
bool syncToDisk(const QFileDevice& file) {
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

std::optional<QString> replaceReadOnly(const QString& path, const std::function<bool(QIODevice&)>& write) {
    const QFileInfo old(path);
    QTemporaryFile file(old.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(old.fileName())));
    // A temporary file cannot be opened unbuffered: the flush is checked instead.
    if (!file.open() || !writeChecked(file, write) || !file.flush())
        return failure(file);
    if (!syncToDisk(file))
        return systemReason();
    if (!file.setPermissions(old.permissions()))
        return WholeFileText::tr("The new file could not be given the permissions of the old one: %1")
            .arg(file.errorString());
    std::error_code error;
    std::filesystem::rename(file.filesystemFileName(), old.filesystemAbsoluteFilePath(), error);
    if (error)
        return QString::fromStdString(error.message());
    file.setAutoRemove(false); // it is the target now
    return std::nullopt;
}

} // namespace

std::optional<QString> WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      const WholeFileOptions& options) {
    const QFileInfo target(path);
    if (options.replaceReadOnly && target.exists() && !target.isWritable() &&
        QFileInfo(target.absolutePath()).isWritable())
        return replaceReadOnly(path, write);
    QSaveFile file(path);
    // Unbuffered: with Qt's buffer a failing write would only come up inside commit(), which (Qt
    // 6.4) then still puts a cut-off file in place of the old one. An unfinished QSaveFile
    // removes its temporary file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file);
    if (!writeChecked(file, write)) {
        const QString reason = failure(file);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return failure(file);
    return std::nullopt;
}

bool WriteAll(QIODevice& device, const char* data, qint64 size) {
    for (qint64 written = 0; written < size;) {
        const qint64 now = device.write(data + written, size - written);
        if (now <= 0)
            return false;
        written += now;
    }
    return true;
}

std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes,
                                      const WholeFileOptions& options) {
    return WriteWholeFile(
        path, [&bytes](QIODevice& file) { return WriteAll(file, bytes.constData(), bytes.size()); }, options);
}

} // namespace zg
