#pragma once

#include <cstdint>
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

// Encodes the animation into `out` as a GIF that loops for ever, each frame after the first as the
// smallest rectangle that holds its changes. Returns why it could not be encoded.
std::optional<std::string> EncodeGif(const IndexedAnimation& animation, std::string& out);

} // namespace zg
