#include "PresetLibrary.h"

#include <QCoreApplication>

#include <algorithm>
#include <cctype>

namespace zg {

namespace fs = std::filesystem;

namespace {

// Names are UTF-8 on every system, as the window shows them.
std::string utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

bool isDataFile(const fs::directory_entry& entry) {
    std::error_code error;
    if (!entry.is_regular_file(error))
        return false;
    std::string extension = entry.path().extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return extension == ".DAT";
}

// The entries of `folder` in name order; none when it cannot be read.
std::vector<fs::directory_entry> sortedEntries(const fs::path& folder) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        entries.push_back(*it);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path().filename() < b.path().filename(); });
    return entries;
}

void addGroup(std::vector<Preset>& presets, const std::string& group, const fs::path& folder) {
    for (const auto& entry : sortedEntries(folder)) {
        if (isDataFile(entry))
            presets.push_back({group, utf8(entry.path().stem()), entry.path()});
    }
}

} // namespace

std::vector<Preset> ListPresets(const fs::path& shipped, const fs::path& user) {
    std::vector<Preset> presets;
    for (const auto& entry : sortedEntries(shipped)) {
        std::error_code error;
        if (entry.is_directory(error))
            addGroup(presets, utf8(entry.path().filename()), entry.path());
    }
    addGroup(presets, std::string(kUserPresetGroup), user);
    return presets;
}

std::optional<std::string> PresetNameProblem(std::string_view name) {
    if (name.empty())
        return QCoreApplication::translate("zg::PresetLibrary", "The name is empty.").toStdString();
    if (name.front() == '.' || name.front() == ' ' || name.back() == ' ')
        return QCoreApplication::translate("zg::PresetLibrary",
                                           "A name cannot begin with a dot, nor begin or end with a blank.")
            .toStdString();
    constexpr std::string_view refused = "/\\:*?\"<>|";
    const bool control = std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20; });
    if (control || name.find_first_of(refused) != std::string_view::npos)
        return QCoreApplication::translate("zg::PresetLibrary",
                                           "A name cannot hold any of / \\ : * ? \" < > |.")
            .toStdString();
    return std::nullopt;
}

} // namespace zg
