#pragma once

#include <QString>

namespace zg {

// Whether two names lead to one file that exists, through other folders, links or hard links.
bool IsSameFile(const QString& a, const QString& b);

} // namespace zg
