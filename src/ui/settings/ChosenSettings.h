#pragma once

#include <cstdint>

namespace zg {

// The values the settings dialog's lists stand for when OK is pressed; 0 where a list chose nothing.
struct ChosenSettings {
    std::int16_t commPort = 0;
    std::int16_t testSpeed = 0;
    std::int16_t sequencerDelay = 0;
};

} // namespace zg
