#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zg {

// An animated GIF of pictures made of a few colours.
struct IndexedAnimation {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB, at most 256
    struct Frame {
        std::vector<std::uint8_t> pixels; // width x height palette indices, row by row
        int delayCs = 0;                  // hundredths of a second
    };
    std::vector<Frame> frames;
};

// Writes the animation as a GIF that loops for ever, each frame after the first as the smallest
// rectangle that holds its changes. The file appears at `path` only once it is complete; an
// existing one stays as it was when writing fails. Returns why it could not be written.
std::optional<std::string> WriteGif(const std::filesystem::path& path, const IndexedAnimation& animation);

} // namespace zg
