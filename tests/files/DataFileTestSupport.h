#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zg::test {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Joined(const std::vector<std::string>& lines, const std::string& lineEnd = "\r\n") {
    std::string text;
    for (const auto& line : lines)
        text += line + lineEnd;
    return text;
}

// Lines 1..65 as the module's format lays them out: 50 quoted event values, 15 bare numbers.
inline std::vector<std::string> DataFileLines(const std::vector<int>& events, const std::vector<int>& rest) {
    std::vector<std::string> lines;
    lines.reserve(events.size() + rest.size());
    for (const int value : events)
        lines.push_back('"' + std::to_string(value) + '"');
    for (const int value : rest)
        lines.push_back(std::to_string(value));
    return lines;
}

// The file a freshly started program saves.
inline std::string FreshFileText() {
    return Joined(
        DataFileLines(std::vector<int>(50, 0), {7, 7, 7, 7, 0, 0, 0, 0, 49, 15, 15, 15, 15, 30, 20}));
}

// A small sequence: events 1, 2, 9, 15 then 46 zeros; colours Red, Green, White, Blue; EndEvent 3;
// servo modes NONE, "|* - - -|", NONE, NONE; delay 30, test speed 20.
inline std::vector<int> ExampleEvents() {
    std::vector<int> events{1, 2, 9, 15};
    events.resize(50, 0);
    return events;
}
inline const std::vector<int> kExampleRest{1, 2, 7, 4, 0, 0, 0, 0, 3, 15, 1, 15, 15, 30, 20};

class TempFolder : public ::testing::Test {
  protected:
    std::filesystem::path file(const std::string& name) const {
        return std::filesystem::path(dir_.path().toStdString()) / name;
    }

  private:
    QTemporaryDir dir_;
};

} // namespace zg::test
