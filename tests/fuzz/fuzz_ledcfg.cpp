// Feeds arbitrary bytes to the LED.cfg reader: ParseConfigPort must agree with a plain reading of
// the first field, and LoadConfig on a file holding the bytes must give the same port.
#include "FuzzSupport.h"

#include "files/ConfigFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

// LoadConfig reads no further than this; the file holds nothing but a port number.
constexpr std::size_t kLoadedBytes = 256;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The first field: everything before the first comma or line end, without surrounding blanks.
std::string_view firstField(std::string_view text) {
    std::size_t end = 0;
    while (end < text.size() && text[end] != ',' && text[end] != '\r' && text[end] != '\n')
        ++end;
    std::size_t begin = 0;
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A decimal number with an optional leading minus that fits 16 bits, digit by digit.
std::optional<std::int16_t> oraclePort(std::string_view text) {
    std::string_view field = firstField(text);
    const bool negative = !field.empty() && field.front() == '-';
    if (negative)
        field.remove_prefix(1);
    if (field.empty())
        return std::nullopt;
    long value = 0;
    for (const char c : field) {
        if (!isDigit(c))
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), 1L << 20); // leading zeros may run on for ever
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return std::int16_t(value);
}

void checkLoad(std::string_view bytes) {
    static const zg::fuzz::ScratchFolder folder;
    const auto path = folder.file("LED.cfg");
    zg::fuzz::WriteBytes(path, bytes);
    const zg::AppConfig config = zg::LoadConfig(path);
    ZG_REQUIRE(config.CommPort == oraclePort(bytes).value_or(1)); // unreadable means port 1
}

// A port that was read is written back as its digits and CR LF, and reads back the same.
void checkSaveRoundTrip(std::int16_t port) {
    static const zg::fuzz::ScratchFolder folder;
    const auto path = folder.file("LED.cfg");
    zg::AppConfig config;
    config.CommPort = port;
    ZG_REQUIRE(!zg::SaveConfig(config, path));
    ZG_REQUIRE(zg::fuzz::ReadBytes(path) == std::to_string(port) + "\r\n");
    ZG_REQUIRE(zg::LoadConfig(path).CommPort == port);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto port = zg::ParseConfigPort(bytes);
    ZG_REQUIRE(port == oraclePort(bytes));
    if (size <= kLoadedBytes)
        checkLoad(bytes);
    if (port)
        checkSaveRoundTrip(*port);
    return 0;
}
