#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace zg::testing {

// The download written out by hand: "*" CR LF, then each value followed by CR LF.
inline std::vector<std::uint8_t> HandWrittenStream(const std::vector<int>& values) {
    std::vector<std::uint8_t> bytes{'*', '\r', '\n'};
    for (const int value : values) {
        bytes.push_back(static_cast<std::uint8_t>(value));
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    return bytes;
}

inline std::vector<int> Repeated(int value, int count) {
    return std::vector<int>(std::size_t(count), value);
}

inline std::vector<int> Joined(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace zg::testing
