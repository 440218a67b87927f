#pragma once

#include "CommPortDevice.h"

#include <string>

namespace zg {

// "no serial device is plugged in for this number (2 found)"
std::string NothingPluggedInText(int devicesFound);

// What to do when the cable's COM port has a number above 6, which no port number names: give it
// another in Device Manager, or name it with --device.
std::string BeyondNumbersAdvice(const SerialPortEntry& entry);

// The tooltip of port `port` in the port list: the device and the adapter behind it, or that
// the number names none.
std::string PortTooltip(int port, const PortLookup& lookup);

} // namespace zg
