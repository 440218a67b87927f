#pragma once

#include "model/LedTables.h"

#include <QStringView>

#include <optional>

namespace zg {

// The LED whose digit key 1..4 was pressed, told by the key itself rather than the symbol it
// types: with Shift held a layout may type "!", "\"", "§" or anything else. `platform` is Qt's
// platform name; the key's place comes as the native scan code (X11, Wayland: xkb key codes) or
// the native virtual key (Windows, macOS).
std::optional<LedChannel> LedOfDigitKey(int key, quint32 nativeScanCode, quint32 nativeVirtualKey,
                                        QStringView platform);

} // namespace zg
