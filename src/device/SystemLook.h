#pragma once

#include "SerialPortEntry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zg {

// Whether the user may open a device, and who it belongs to.
struct DeviceAccess {
    bool exists = false;
    bool mayReadWrite = true;
    std::string group;    // "dialout", "uucp"; empty when unknown
    std::string owner;    // "root"; empty when unknown
    unsigned mode = 0660; // its permission bits, as chmod takes them
};

// What a path names, as a download sees it.
enum class DeviceKind {
    Serial,    // a serial line (or what the system cannot tell apart from one)
    Missing,   // nothing is there
    NotSerial, // a file, a folder, or a device with no serial line behind it (/dev/null)
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
    // Looked at without opening it: opening a serial port can reset what is plugged into it.
    virtual DeviceKind kind(const std::string& device) const = 0;
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
    // The serial devices the system lists now.
    virtual std::vector<SerialPortEntry> serialPorts() const = 0;
};

// The running system's look: on Linux it reads /proc, /sys, /run/udev and the package database
// (LinuxSystemLook); elsewhere it finds nothing but the serial devices Qt lists.
std::unique_ptr<SystemLook> MakeSystemLook();

} // namespace zg
