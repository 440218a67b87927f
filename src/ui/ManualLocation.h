#pragma once

#include <QString>

#include <optional>

namespace zg {

// The offline user manual (manual.html) of this program, when one is there: first the installed
// copy, found from the executable's folder so that any install prefix works, then the copy in the
// source tree, for a program run from its build folder.
std::optional<QString> ManualLocation();

// The same search with the two folders given: the folder of the executable and the source tree
// (empty for none).
std::optional<QString> ManualLocation(const QString& applicationDir, const QString& sourceDir);

} // namespace zg
