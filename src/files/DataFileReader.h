#pragma once

#include "DataFileRecord.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zg {

// A field holds a few digits; a longer one is damage and is not read.
inline constexpr std::size_t kMaxFieldBytes = 64;
// A data file is a few hundred bytes. Reading stops here, so that any file, however large (or
// endless, like a device), is dealt with at once; fields not reached by then are unreadable.
inline constexpr std::size_t kMaxReadBytes = std::size_t(1) << 20;

struct DataFileReadResult {
    bool Opened = false;
    bool NotAFile = false; // a directory, pipe, device or socket: refused unopened, read would block
    std::string Reason;    // why the file could not be opened
    DataFileRecord Record; // every field unreadable when the file could not be opened
};

// Why `path` cannot be read as a data file when it is something other than a regular file ("It is
// a folder, not a file."); nothing for a regular file or one that does not exist (opening it then
// says why).
std::optional<std::string> NonRegularFileKind(const std::filesystem::path& path);

// Reads the first 65 fields of a data file. Fields end at a line end ("\r\n", "\n" or "\r") and
// at a comma outside quotation marks, so an empty line is one empty field and a line "1,2" two
// fields. Blanks around a field do not count. A field is a decimal number with an optional
// leading minus, bare or in quotation marks (a comma between the marks belongs to the field, which
// is then no number). A field is unreadable when the file ends first, when it is no such number,
// when it is longer than kMaxFieldBytes, or when its value lies outside DataFieldRange; the
// next field is read all the same. `onEventLine` is told 1..50, once per event field, after an
// opened file has been read.
DataFileReadResult ReadDataFile(const std::filesystem::path& path, const EventLineCallback& onEventLine = {});

// The record ReadDataFile gives for a file holding `bytes`.
DataFileRecord ReadDataFileText(std::string_view bytes);

} // namespace zg
