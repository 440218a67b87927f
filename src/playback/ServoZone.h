#pragma once

namespace zg {

inline constexpr int kStickMin = 100;
inline constexpr int kStickMax = 199;
inline constexpr int kStickStart = 150;

// The pulse width in microseconds that stick value V stands for (shown as V x 10).
constexpr int PulseWidthOf(int stickValue) {
    return stickValue * 10;
}

// The servo zone 0..3 of stick value V: 100..124, 125..149, 150..174, 175..199.
int ServoZoneOf(int stickValue);

// The bit of that zone: 1, 2, 4 or 8.
int ServoZoneMaskOf(int stickValue);

} // namespace zg
