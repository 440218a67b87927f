#pragma once

#include <cstdint>

namespace zg {

// The setting of the machine the program runs on, kept in LED.cfg. The two speeds of the settings
// dialog belong to the pattern (LedSequence): they travel in its files, its undo and its download.
struct AppConfig {
    std::int16_t CommPort = 1; // serial port of the programming cable, 1..6 (0: none chosen)
};

} // namespace zg
