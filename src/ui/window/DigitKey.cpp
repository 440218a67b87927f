#include "DigitKey.h"

#include <Qt>

namespace zg {

namespace {
// Where the digit keys 1..4 sit: xkb key codes, Windows' VK_1.., macOS' kVK_ANSI_1...
constexpr quint32 kXkbFirst = 10;
constexpr quint32 kWindowsFirst = 0x31;
constexpr quint32 kMacFirst = 0x12;

std::optional<LedChannel> inRange(quint32 code, quint32 first) {
    if (code < first || code >= first + kLedCount)
        return std::nullopt;
    return LedChannel(code - first);
}
} // namespace

std::optional<LedChannel> LedOfDigitKey(int key, quint32 nativeScanCode, quint32 nativeVirtualKey,
                                        QStringView platform) {
    if (key >= Qt::Key_1 && key < Qt::Key_1 + kLedCount)
        return LedChannel(key - Qt::Key_1);
    if (platform == u"windows")
        return inRange(nativeVirtualKey, kWindowsFirst);
    if (platform == u"cocoa")
        return inRange(nativeVirtualKey, kMacFirst);
    return inRange(nativeScanCode, kXkbFirst);
}

} // namespace zg
