#include "DataFileWriter.h"

#include "WholeFile.h"

#include <QFile>

namespace zg {

namespace {
std::string lineText(int field, std::int16_t value) {
    const std::string digits = std::to_string(value);
    // Event values are text in the file; everything else is a bare number.
    if (field < kFirstColorField)
        return '"' + digits + "\"\r\n";
    return digits + "\r\n";
}

// Writes the 65 lines; false as soon as one does not go through.
bool writeLines(QIODevice& file, const DataFileRecord& record, const EventLineCallback& onEventLine) {
    for (int field = 0; field < kDataFileFields; ++field) {
        const std::string line = lineText(field, record.Values[field]);
        if (!WriteAll(file, line.data(), qint64(line.size())))
            return false;
        if (field < kFirstColorField && onEventLine)
            onEventLine(field + 1);
    }
    return true;
}
} // namespace

std::optional<std::string> WriteDataFile(const std::filesystem::path& path, const DataFileRecord& record,
                                         const EventLineCallback& onEventLine) {
    // QFile(path) converts the path the same way Qt's own file functions do. Only the old file's
    // own read-only bits stand in the way when the user has agreed to replace it.
    const auto error = WriteWholeFile(QFile(path).fileName(),
                                      [&](QIODevice& file) { return writeLines(file, record, onEventLine); },
                                      {.replaceReadOnly = true});
    if (error)
        return error->toStdString();
    return std::nullopt;
}

} // namespace zg
