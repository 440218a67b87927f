#pragma once

#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace zg {

struct WholeFileOptions {
    // The user agreed to replace a file whose own read-only bits keep it from being written: as
    // when deleting it, the folder decides, and the new file keeps the old one's permissions.
    bool replaceReadOnly = false;
};

// Every file the program writes goes through here. The new content goes to a temporary file beside
// `path`, unbuffered, so that a write the disk refuses is seen at once with its reason; only a
// temporary file written whole, with every write and the commit checked, takes the old file's
// place. On any failure the old file stays as it was and nothing is left beside it.
// `write` returns false when it could not produce its content; the reason, when the file was not
// written.
std::optional<QString> WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write,
                                      const WholeFileOptions& options = {});

// Writes all of `size` bytes, a piece the disk took only in part continued until it takes no
// more, so that a full disk leaves its reason in the device; false when not all went through.
bool WriteAll(QIODevice& device, const char* data, qint64 size);

// The same for content that is at hand as bytes.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes,
                                      const WholeFileOptions& options = {});

} // namespace zg
