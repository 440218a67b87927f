#include "DataFileWriter.h"

#include <QFile>
#include <QSaveFile>

namespace zg {

namespace {
std::string lineText(int field, std::int16_t value) {
    const std::string digits = std::to_string(value);
    // Event values are text in the file; everything else is a bare number.
    if (field < kFirstColorField)
        return '"' + digits + "\"\r\n";
    return digits + "\r\n";
}

std::string failure(const QSaveFile& file) {
    return file.errorString().toStdString();
}
} // namespace

std::optional<std::string> WriteDataFile(const std::filesystem::path& path, const DataFileRecord& record,
                                         const EventLineCallback& onEventLine) {
    // QFile(path) converts the path the same way Qt's own file functions do.
    QSaveFile file(QFile(path).fileName());
    // Unbuffered, so that a failing write is seen at once with its reason: with Qt's buffer the
    // failure would only come up inside commit(), which (Qt 6.4) then still puts a cut-off file
    // in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(file);
    for (int field = 0; field < kDataFileFields; ++field) {
        const std::string line = lineText(field, record.Values[field]);
        // An unfinished QSaveFile removes its temporary file when it goes out of scope.
        if (file.write(line.data(), qint64(line.size())) != qint64(line.size()))
            return failure(file);
        if (field < kFirstColorField && onEventLine)
            onEventLine(field + 1);
    }
    if (!file.commit())
        return failure(file);
    return std::nullopt;
}

} // namespace zg
