#include "LineSettings.h"

#include <array>
#include <cctype>
#include <charconv>

namespace zg {

namespace {

std::optional<std::array<std::string_view, 4>> splitFields(std::string_view text) {
    std::array<std::string_view, 4> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = text.find(',');
        const bool last = i + 1 == fields.size();
        if (last != (comma == std::string_view::npos))
            return std::nullopt;
        fields[i] = text.substr(0, comma);
        text = last ? std::string_view{} : text.substr(comma + 1);
    }
    return fields;
}

std::optional<int> parseNumber(std::string_view field) {
    int value = 0;
    const auto [rest, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (field.empty() || error != std::errc{} || rest != field.data() + field.size())
        return std::nullopt;
    return value;
}

std::optional<Parity> parseParity(std::string_view field) {
    if (field.size() != 1)
        return std::nullopt;
    switch (std::tolower(static_cast<unsigned char>(field.front()))) {
    case 'n':
        return Parity::None;
    case 'e':
        return Parity::Even;
    case 'o':
        return Parity::Odd;
    case 'm':
        return Parity::Mark;
    case 's':
        return Parity::Space;
    default:
        return std::nullopt;
    }
}

std::optional<StopBits> parseStopBits(std::string_view field) {
    if (field == "1")
        return StopBits::One;
    if (field == "1.5")
        return StopBits::OneAndHalf;
    if (field == "2")
        return StopBits::Two;
    return std::nullopt;
}

} // namespace

std::optional<LineSettings> LineSettings::Parse(std::string_view text) {
    const auto fields = splitFields(text);
    if (!fields)
        return std::nullopt;
    const auto baud = parseNumber((*fields)[0]);
    const auto parity = parseParity((*fields)[1]);
    const auto dataBits = parseNumber((*fields)[2]);
    const auto stopBits = parseStopBits((*fields)[3]);
    if (!baud || *baud <= 0 || !parity || !dataBits || *dataBits < 5 || *dataBits > 8 || !stopBits)
        return std::nullopt;
    return LineSettings{*baud, *parity, *dataBits, *stopBits};
}

} // namespace zg
