#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>

#include <cstdint>

namespace zg {

// A colour value as the program keeps it, 0x00BBGGRR.
inline QColor ColorOf(std::uint32_t bgr) {
    return {int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)};
}

// The normal background of a time-axis label: the system's button face.
inline QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

} // namespace zg
