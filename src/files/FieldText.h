#pragma once

#include <string_view>

namespace zg {

// Blanks around a field of LED.cfg or a data file do not count.
inline bool IsFieldBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view TrimmedField(std::string_view text) {
    while (!text.empty() && IsFieldBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsFieldBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace zg
