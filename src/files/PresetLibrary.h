#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

// A pattern to start from: a data file of the shipped library or one the user saved as a preset.
struct Preset {
    std::string group; // the submenu it is listed in (UTF-8)
    std::string name;  // its file name without ".DAT" (UTF-8)
    std::filesystem::path file;
};

inline constexpr std::string_view kUserPresetGroup = "My Presets";

// The shipped presets, a group for each folder in `shipped` and a preset for each data file (*.DAT)
// in it, then the user's own data files in `user` as the group "My Presets". Groups and names come
// in alphabetical order; a folder that is missing or cannot be read lists nothing.
std::vector<Preset> ListPresets(const std::filesystem::path& shipped, const std::filesystem::path& user);

// The longest name of a preset or a model, in characters and in the bytes of UTF-8: a file name
// takes 255 bytes on most file systems, the extension and a copy's number included.
inline constexpr int kMaxNameLength = 100;
inline constexpr std::size_t kMaxNameBytes = 200;

// Why `name` cannot name a preset or a model of the user's, or nothing when it can: it must be one
// line that every file system takes as a file name: not empty, at most kMaxNameLength characters,
// not beginning with a dot, no blank or dot at either end, none of the characters or device names
// that some file system refuses.
std::optional<std::string> FileNameProblem(std::string_view name);

} // namespace zg
