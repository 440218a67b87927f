#include "DataFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace zg {

namespace {
std::string lineText(int field, std::int16_t value) {
    const std::string digits = std::to_string(value);
    // Event values are text in the file; everything else is a bare number.
    if (field < kFirstColorField)
        return '"' + digits + "\"\r\n";
    return digits + "\r\n";
}

std::string failure(const QFileDevice& file) {
    return file.errorString().toStdString();
}

// Writes the 65 lines; false, with the reason in the device, as soon as one does not go through.
bool writeLines(QFileDevice& file, const DataFileRecord& record, const EventLineCallback& onEventLine) {
    for (int field = 0; field < kDataFileFields; ++field) {
        const std::string line = lineText(field, record.Values[field]);
        if (file.write(line.data(), qint64(line.size())) != qint64(line.size()))
            return false;
        if (field < kFirstColorField && onEventLine)
            onEventLine(field + 1);
    }
    return true;
}

// Only the old file's own read-only bits stand in the way, and the user has agreed to replace it:
// as when deleting it, the folder decides. The complete new file takes the old one's place and
// its permissions.
std::optional<std::string> replaceReadOnly(const QString& fileName, const DataFileRecord& record,
                                           const EventLineCallback& onEventLine) {
    const QFileInfo old(fileName);
    QTemporaryFile file(old.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(old.fileName())));
    if (!file.open() || !writeLines(file, record, onEventLine) || !file.flush())
        return failure(file);
    file.setPermissions(old.permissions());
    std::error_code error;
    std::filesystem::rename(file.filesystemFileName(), old.filesystemAbsoluteFilePath(), error);
    if (error)
        return error.message();
    file.setAutoRemove(false); // it is the data file now
    return std::nullopt;
}
} // namespace

std::optional<std::string> WriteDataFile(const std::filesystem::path& path, const DataFileRecord& record,
                                         const EventLineCallback& onEventLine) {
    // QFile(path) converts the path the same way Qt's own file functions do.
    const QString fileName = QFile(path).fileName();
    const QFileInfo target(fileName);
    if (target.exists() && !target.isWritable() && QFileInfo(target.absolutePath()).isWritable())
        return replaceReadOnly(fileName, record, onEventLine);
    QSaveFile file(fileName);
    // Unbuffered, so that a failing write is seen at once with its reason: with Qt's buffer the
    // failure would only come up inside commit(), which (Qt 6.4) then still puts a cut-off file
    // in place of the old one. An unfinished QSaveFile removes its temporary file.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeLines(file, record, onEventLine))
        return failure(file);
    if (!file.commit())
        return failure(file);
    return std::nullopt;
}

} // namespace zg
