#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zg {

inline constexpr int kFirstCommPort = 1;
inline constexpr int kLastCommPort = 6;

// Finds the device behind a port number; nothing when the number names no device.
using DeviceResolver = std::function<std::optional<std::string>(int port)>;

// Windows: port n is "COMn".
std::optional<std::string> WindowsDeviceForPort(int port);

// Linux: the first that exists of /dev/ttyUSB<n-1>, /dev/ttyACM<n-1>, /dev/ttyS<n-1>, so that a
// USB cable wins over a built-in port. When none exists, /dev/ttyUSB<n-1>, so that the failure to
// open it names the device most users have.
std::optional<std::string> LinuxDeviceForPort(int port,
                                              const std::function<bool(const std::string&)>& exists);

// macOS: the n-th of the /dev/cu.usbserial* and /dev/cu.usbmodem* devices in name order.
// `deviceNames` are the plain names found in /dev, in any order.
std::optional<std::string> MacDeviceForPort(int port, std::vector<std::string> deviceNames);

// The rule of the platform the program runs on, looking at the devices present now.
std::optional<std::string> SystemDeviceForPort(int port);

} // namespace zg
