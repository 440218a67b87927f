#pragma once

#include <QString>

namespace zg {

// The library of presets that came with the program: beside the executable (where the build copies
// it, and where a portable install keeps it), then the installed one found from the executable's
// folder, so that a moved prefix still works, then the one in the install prefix the program was
// built for. Empty when there is none.
QString ShippedPresetFolder();

// The user's own presets: "presets" in the program's data folder (it may not exist yet).
QString UserPresetFolder();

} // namespace zg
