#pragma once

#include "app/CommandLine.h"

namespace zg {

// Carries out --export-gif or --export-png without a window: reads the data file with the
// program's reader, writes the export and returns the exit code, 0 when it was written and 2 when
// the file was refused or could not be read or the export could not be written (the reason goes to
// standard error, and nothing is left at the output's name). Needs a QGuiApplication.
int RunExport(const CommandLine& line);

} // namespace zg
