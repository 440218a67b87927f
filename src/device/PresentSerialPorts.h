#pragma once

#include "SerialPortEntry.h"

#include <vector>

namespace zg {

// The serial devices the system lists now, in its order.
std::vector<SerialPortEntry> PresentSerialPorts();

} // namespace zg
