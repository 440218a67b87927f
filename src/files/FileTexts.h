#pragma once

#include <QString>

#include <vector>

namespace zg {

// The texts about data files that the window and the headless export both say.

// "1-50, 52, 60-63": the line numbers, increasing, with runs joined.
QString LineRanges(const std::vector<int>& lines);

// An export whose target is the data file it shows.
QString OwnFileRefusal(const QString& path);

} // namespace zg
