#include "ServoZone.h"

#include <algorithm>
#include <cmath>

namespace zg {

int ServoZoneOf(int stickValue) {
    const int value = std::clamp(stickValue, kStickMin, kStickMax);
    return static_cast<int>(std::floor(static_cast<float>(value - kStickMin) / 25.0f));
}

int ServoZoneMaskOf(int stickValue) {
    return 1 << ServoZoneOf(stickValue);
}

} // namespace zg
