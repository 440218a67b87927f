#pragma once

#include "DataFileRecord.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zg {

// Writes the record as the module's 65-line text file (event values quoted, CR LF after every
// line). The new text goes to a temporary file next to `path`, which replaces the old file only
// once it has been written completely; on any failure an existing file stays as it was.
// Returns the system's reason when the file cannot be written.
std::optional<std::string> WriteDataFile(const std::filesystem::path& path, const DataFileRecord& record,
                                         const EventLineCallback& onEventLine = {});

} // namespace zg
