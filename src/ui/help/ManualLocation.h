#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace zg {

// The offline user manual (manual.html) of this program, when one is there: beside the executable
// (where the build copies it, and where a portable install keeps it), then the installed copy
// found from the executable's folder, so that a moved prefix still works, then the one in the
// install prefix the program was built for.
std::optional<QString> ManualLocation();

// Where the manual is looked for, in that order.
QStringList ManualPlaces();

// The same search from the executable's folder `applicationDir`, with `installedManual` the full
// path of the manual in the install prefix (empty for none).
std::optional<QString> ManualLocation(const QString& applicationDir, const QString& installedManual);

} // namespace zg
