#pragma once

#include <QColor>

#include <cstdint>

namespace zg {

// A colour value as the program keeps it, 0x00BBGGRR.
inline QColor ColorOf(std::uint32_t bgr) {
    return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
}

} // namespace zg
