#include "DataFileReader.h"

#include "FieldText.h"

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

namespace zg {

namespace {
constexpr qint64 kChunkBytes = qint64{64} * 1024;

// The number a field stands for, bare or quoted, if it is one and fits 16 bits.
std::optional<std::int16_t> parseField(std::string_view field) {
    field = TrimmedField(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = TrimmedField(field.substr(1, field.size() - 2));
    std::int16_t value = 0;
    const char* end = field.data() + field.size();
    const auto [rest, error] = std::from_chars(field.data(), end, value);
    if (field.empty() || error != std::errc{} || rest != end)
        return std::nullopt;
    return value;
}

// Splits the bytes of a file into fields and converts each as it ends, keeping no more than one
// field's worth of text however long the file is.
class FieldScanner {
  public:
    explicit FieldScanner(DataFileRecord& record) : record_(record) {}

    bool full() const { return count_ == kDataFileFields; }

    void feed(std::string_view bytes) {
        for (const char c : bytes) {
            if (full())
                return;
            take(c);
        }
    }

    // The file has ended: a last line without its line end still counts.
    void finish() {
        if (lineStarted_ && !full())
            endField();
        lineStarted_ = false;
    }

  private:
    enum class Quote { None, Open, Closed };

    void take(char c) {
        if (afterCr_) {
            afterCr_ = false;
            if (c == '\n')
                return; // the second half of CR LF
        }
        if (c == '\r' || c == '\n') {
            afterCr_ = c == '\r';
            endField();
            lineStarted_ = false;
            return;
        }
        lineStarted_ = true;
        if (c == ',' && quote_ != Quote::Open) {
            endField();
            return;
        }
        if (c == '"' && quote_ == Quote::Open)
            quote_ = Quote::Closed;
        else if (c == '"' && quote_ == Quote::None && !hasContent_)
            quote_ = Quote::Open;
        hasContent_ = hasContent_ || !IsFieldBlank(c);
        if (length_ < text_.size())
            text_[length_] = c;
        ++length_;
    }

    void endField() {
        const int field = count_++;
        const auto value = length_ <= text_.size() ? parseField({text_.data(), length_}) : std::nullopt;
        if (value && DataFieldRange(field).contains(*value)) {
            record_.Values[field] = *value;
            record_.Readable[field] = true;
        }
        length_ = 0;
        hasContent_ = false;
        quote_ = Quote::None;
    }

    DataFileRecord& record_;
    int count_ = 0;
    std::array<char, kMaxFieldBytes> text_{};
    std::size_t length_ = 0; // may exceed text_.size(): the field is then too long to read
    bool hasContent_ = false;
    Quote quote_ = Quote::None;
    bool lineStarted_ = false;
    bool afterCr_ = false;
};

// Feeds the file to the scanner in chunks until the fields are complete, the file ends or the
// read limit is reached. A field cut off by the limit or a read error stays unreadable.
void scan(QIODevice& file, FieldScanner& scanner) {
    std::vector<char> chunk(static_cast<std::size_t>(kChunkBytes));
    std::size_t total = 0;
    while (!scanner.full() && total < kMaxReadBytes) {
        const qint64 wanted = std::min<qint64>(kChunkBytes, qint64(kMaxReadBytes - total));
        const qint64 got = file.read(chunk.data(), wanted);
        if (got < 0)
            return;
        if (got == 0) {
            scanner.finish();
            return;
        }
        scanner.feed({chunk.data(), std::size_t(got)});
        total += std::size_t(got);
    }
    if (file.atEnd())
        scanner.finish(); // a file exactly as long as the limit
}
} // namespace

std::optional<std::string> NonRegularFileKind(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    const auto said = [](const char* text) {
        return std::optional(QCoreApplication::translate("zg::DataFileReader", text).toStdString());
    };
    std::error_code error;
    switch (fs::status(path, error).type()) {
    case fs::file_type::directory:
        return said(QT_TRANSLATE_NOOP("zg::DataFileReader", "It is a folder, not a file."));
    case fs::file_type::fifo:
        return said(QT_TRANSLATE_NOOP("zg::DataFileReader", "It is a named pipe, not a file."));
    case fs::file_type::socket:
        return said(QT_TRANSLATE_NOOP("zg::DataFileReader", "It is a socket, not a file."));
    case fs::file_type::character:
    case fs::file_type::block:
        return said(QT_TRANSLATE_NOOP("zg::DataFileReader", "It is a device, not a file."));
    case fs::file_type::unknown:
        return error ? std::nullopt
                     : said(QT_TRANSLATE_NOOP("zg::DataFileReader", "It is not a regular file."));
    default:
        return std::nullopt;
    }
}

DataFileReadResult ReadDataFile(const std::filesystem::path& path, const EventLineCallback& onEventLine) {
    DataFileReadResult result;
    // Opening a pipe without a writer, or reading a device, would block the window for good.
    if (auto kind = NonRegularFileKind(path)) {
        result.NotAFile = true;
        result.Reason = *kind;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Reason = file.errorString().toStdString();
        return result;
    }
    result.Opened = true;
    FieldScanner scanner(result.Record);
    scan(file, scanner);
    // A data file is read in one go; the progress display still gets its 50 steps.
    if (onEventLine)
        for (int count = 1; count <= kEventCount; ++count)
            onEventLine(count);
    return result;
}

DataFileRecord ReadDataFileText(std::string_view bytes) {
    DataFileRecord record;
    // The same chunked scan as a file gets, over the caller's bytes without copying them.
    QByteArray data = QByteArray::fromRawData(bytes.data(), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::ReadOnly))
        return record;
    FieldScanner scanner(record);
    scan(buffer, scanner);
    return record;
}

} // namespace zg
