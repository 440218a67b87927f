#pragma once

#include <QString>

namespace zg::test {

// Makes a named pipe at `path`: a path that is no regular file and blocks whoever opens it.
// False where the system has none in its folders (Windows).
bool MakeFifo(const QString& path);

} // namespace zg::test
