#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zg {

using LedChannel = int;       // LED #1..#4 as 0..3
using EventIndex = int;       // 0..49, playing order
using LedColor = int;         // index into LedColorTable
using ServoControlMode = int; // index into ServoModeTable, -1 when no entry is chosen

inline constexpr int kLedCount = 4;
inline constexpr int kEventCount = 50;
inline constexpr int kColorSlots = 8;
inline constexpr int kLastEvent = kEventCount - 1;
inline constexpr ServoControlMode kServoNone = 15;
inline constexpr LedColor kWhite = 7;

// Bit weight of a channel in an event value: LED #1 = 1 .. LED #4 = 8.
constexpr int BitWeight(LedChannel channel) {
    return 1 << channel;
}

struct LedColorEntry {
    std::string_view name;
    std::uint32_t value; // 0x00BBGGRR, blue in the high byte
};

inline constexpr std::array<LedColorEntry, 8> LedColorTable{{
    {"Black", 0x000000},
    {"Red", 0x0000FF},
    {"Green", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Magenta", 0xFF00FF},
    {"Cyan", 0xFFFF00},
    {"White", 0xFFFFFF},
}};

// Each mode is a mask of the servo zones (bit z = zone z) in which the LED follows its cells.
inline constexpr std::array<std::string_view, 16> ServoModeTable{
    "OFF",       "|* - - -|", "|- * - -|", "|* * - -|", "|- - * -|", "|* - * -|", "|- * * -|", "|* * * -|",
    "|- - - *|", "|* - - *|", "|- * - *|", "|* * - *|", "|- - * *|", "|* - * *|", "|- * * *|", "NONE",
};

constexpr bool IsLedColor(int value) {
    return value >= 0 && value < int(LedColorTable.size());
}
constexpr bool IsServoMode(int value) {
    return value >= -1 && value < int(ServoModeTable.size());
}
constexpr bool IsEventIndex(int value) {
    return value >= 0 && value < kEventCount;
}
constexpr bool IsEventValue(int value) {
    return value >= 0 && value <= 15;
}

} // namespace zg
