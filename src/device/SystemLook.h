#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zg {

// Whether the user may open a device, and the group it belongs to.
struct DeviceAccess {
    bool exists = false;
    bool mayReadWrite = true;
    std::string group; // "dialout", "uucp"; empty when unknown
};

struct ProcessInfo {
    long pid = 0;
    std::string name; // "minicom"; empty when the system does not tell
};

// A USB device plugged in now, and whether the kernel made a serial device (tty) of it.
struct UsbSerialDevice {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    bool hasTty = false;
};

// What the port checks ask of the system: each a look, never a change. Fakes answer them in tests.
class SystemLook {
  public:
    virtual ~SystemLook() = default;

    virtual DeviceAccess access(const std::string& device) const = 0;
    // The groups this program runs with, and those the user database gives the user now: a group
    // joined since the user logged in is in the second only.
    virtual std::vector<std::string> sessionGroups() const = 0;
    virtual std::vector<std::string> accountGroups() const = 0;
    // The live process, other than this one, whose lock file claims the device.
    virtual std::optional<ProcessInfo> lockHolder(const std::string& device) const = 0;
    // The processes, other than this one, that have the device open.
    virtual std::vector<ProcessInfo> processesUsing(const std::string& device) const = 0;
    virtual bool serviceRunning(const std::string& name) const = 0;
    virtual bool packageInstalled(const std::string& name) const = 0;
    // Whether udev marked the device for ModemManager to leave alone (ID_MM_DEVICE_IGNORE).
    virtual bool modemManagerIgnores(const std::string& device) const = 0;
    virtual std::vector<UsbSerialDevice> usbDevices() const = 0;
};

// The running system's look: on Linux it reads /proc, /sys, /run/udev and the package database
// (LinuxSystemLook); elsewhere it finds nothing.
std::unique_ptr<SystemLook> MakeSystemLook();

} // namespace zg
