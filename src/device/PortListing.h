#pragma once

#include "CommPortDevice.h"
#include "SystemLook.h"

#include <string>
#include <vector>

namespace zg {

// What `zelta-glow --list-ports` prints: a line for each port number that names a device, with the
// adapter, each finding indented below its port, and what stands in the way of any cable at the
// end; one line when there is no serial device. `lookup` is the numbering of the run: the
// platform's over the devices present, or the device named by --device.
std::vector<std::string> PortListing(const PortResolver& lookup, const SystemLook& system);

} // namespace zg
