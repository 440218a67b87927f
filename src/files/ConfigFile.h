#pragma once

#include "model/AppConfig.h"

#include <filesystem>
#include <optional>
#include <string>

namespace zg {

// LED.cfg lives in the current directory at the moment it is read or written.
inline const std::filesystem::path kConfigFileName = "LED.cfg";

// Reads CommPort from the first field of the file and resets both speeds to their start values.
// A missing, empty or unreadable file, or one whose first field is no 16-bit number, gives port 1.
AppConfig LoadConfig(const std::filesystem::path& path = kConfigFileName);

// The CommPort stored in the first field of `text`, if that field is a 16-bit decimal number.
std::optional<std::int16_t> ParseConfigPort(std::string_view text);

// Rewrites the file with CommPort and CR LF. Returns the system's reason when it cannot.
std::optional<std::string> SaveConfig(const AppConfig& config,
                                      const std::filesystem::path& path = kConfigFileName);

} // namespace zg
