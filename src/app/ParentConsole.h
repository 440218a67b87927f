#pragma once

namespace zg {

// A Windows program built for a window has no console of its own: what the command line asks
// for (--help, --list-ports, an export's errors) is written to the console it was started from,
// where there is one and its output is not already led elsewhere. Elsewhere it does nothing.
void UseParentConsole();

} // namespace zg
