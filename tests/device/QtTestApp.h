#pragma once

namespace zg::testing {

// Creates the one QCoreApplication of the test program on first use: event loops, timers and
// serial ports need it.
void EnsureQtApp();

} // namespace zg::testing
