#pragma once

#include "SerialPortEntry.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

inline constexpr int kFirstCommPort = 1;
inline constexpr int kLastCommPort = 6;

// What a port number names at one moment: its device, if any, and how many devices the
// numbering counted, so that a number without a device can say how many there are.
struct PortLookup {
    std::optional<SerialPortEntry> device;
    int devicesFound = 0;
    // Windows: COM ports that the system lists and no number from 1 to 6 names (a USB adapter
    // often gets COM7 or above).
    std::vector<SerialPortEntry> beyondNumbers{};
    // Windows names every number, also one whose COM port the system does not list.
    bool deviceListed = true;
};

// Looks up the device behind a port number.
using PortResolver = std::function<PortLookup(int port)>;

// Finds only the device path behind a port number; nothing when the number names no device.
using DeviceResolver = std::function<std::optional<std::string>(int port)>;

// The number of a Windows port name: 9 for "COM9" and for "\\.\COM9"; nothing for other names.
std::optional<int> ComNumber(std::string_view name);

// The Windows COM ports of `present` that no port number names (COM7 and above), in number order.
std::vector<SerialPortEntry> ComPortsBeyondNumbers(std::vector<SerialPortEntry> present);

// Windows: port n is "COMn", listed or not, described when the system lists it.
std::optional<std::string> WindowsDeviceForPort(int port);
PortLookup WindowsPortLookup(int port, const std::vector<SerialPortEntry>& present);

// Linux: the devices numbers 1, 2, ... name, in that order: USB adapters (ttyUSB*, ttyACM*) in
// name order, then the built-in ports known to be real, in name order.
std::vector<SerialPortEntry> LinuxNumberedPorts(std::vector<SerialPortEntry> present);

// macOS: the /dev/cu.usbserial* and /dev/cu.usbmodem* devices in name order.
std::vector<SerialPortEntry> MacNumberedPorts(std::vector<SerialPortEntry> present);

// Port n is the n-th of `numbered`.
PortLookup NumberedPortLookup(int port, const std::vector<SerialPortEntry>& numbered);

// The rule of the platform the program runs on, over the devices in `present`.
PortLookup PlatformPortLookup(int port, const std::vector<SerialPortEntry>& present);

// The same, looking at the devices present now.
PortLookup SystemPortLookup(int port);

// Every port number names `path`, as the command line asked.
PortResolver DeviceOverride(const std::string& path);

} // namespace zg
