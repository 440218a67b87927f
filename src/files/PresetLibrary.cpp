#include "PresetLibrary.h"

#include <QCoreApplication>
#include <QRegularExpression>

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

std::optional<std::string> FileNameProblem(std::string_view name) {
    const auto problem = [](const char* text) {
        return std::optional(QCoreApplication::translate("zg::PresetLibrary", text).toStdString());
    };
    if (name.empty())
        return problem(QT_TRANSLATE_NOOP("zg::PresetLibrary", "The name is empty."));
    if (name.front() == '.' || name.front() == ' ' || name.back() == ' ' || name.back() == '.')
        return problem(QT_TRANSLATE_NOOP(
            "zg::PresetLibrary", "A name cannot begin with a dot, nor begin or end with a blank or a dot."));
    if (std::any_of(name.begin(), name.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }))
        return problem(QT_TRANSLATE_NOOP("zg::PresetLibrary", "A name is one line, without tabs."));
    constexpr std::string_view refused = "/\\:*?\"<>|";
    if (name.find_first_of(refused) != std::string_view::npos)
        return problem(
            QT_TRANSLATE_NOOP("zg::PresetLibrary", "A name cannot hold any of / \\ : * ? \" < > |."));
    // A name is read at a glance, and file systems take 255 bytes a name, the extension included.
    if (QString::fromUtf8(name.data(), qsizetype(name.size())).size() > kMaxNameLength)
        return std::optional(
            QCoreApplication::translate("zg::PresetLibrary", "A name has at most %1 characters.")
                .arg(kMaxNameLength)
                .toStdString());
    if (name.size() > kMaxNameBytes)
        return problem(
            QT_TRANSLATE_NOOP("zg::PresetLibrary", "The name is too long for a file name; shorten it."));
    // Windows keeps these for its devices, with any extension.
    const QString stem = QString::fromUtf8(name.data(), qsizetype(name.size())).section(u'.', 0, 0).toUpper();
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"));
    if (device.match(stem).hasMatch())
        return std::optional(QCoreApplication::translate("zg::PresetLibrary", "%1 names a device on Windows.")
                                 .arg(stem)
                                 .toStdString());
    return std::nullopt;
}

} // namespace zg
