#pragma once

#include <optional>
#include <string_view>

namespace zg {

// The module is programmed at 2400 bit/s, no parity, 8 data bits, 1 stop bit.
inline constexpr std::string_view kDownloadLineSettings = "2400,n,8,1";

enum class Parity { None, Even, Odd, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };

// Line settings written as "speed,parity,data bits,stop bits", e.g. "2400,n,8,1".
struct LineSettings {
    int baudRate = 2400;
    Parity parity = Parity::None;
    int dataBits = 8;
    StopBits stopBits = StopBits::One;

    // Nothing when the text is not four fields of that form (parity n/e/o/m/s, 5..8 data bits,
    // 1, 1.5 or 2 stop bits, a positive speed).
    static std::optional<LineSettings> Parse(std::string_view text);
};

} // namespace zg
