#pragma once

#include "SystemLook.h"

namespace zg {

// SystemLook on Linux's own files (built on Linux only). Reads only: nothing on the system is changed.
class LinuxSystemLook final : public SystemLook {
  public:
    DeviceAccess access(const std::string& device) const override;
    DeviceKind kind(const std::string& device) const override;
    std::vector<std::string> sessionGroups() const override;
    std::vector<std::string> accountGroups() const override;
    std::optional<ProcessInfo> lockHolder(const std::string& device) const override;
    std::vector<ProcessInfo> processesUsing(const std::string& device) const override;
    bool serviceRunning(const std::string& name) const override;
    bool packageInstalled(const std::string& name) const override;
    bool modemManagerIgnores(const std::string& device) const override;
    std::vector<UsbSerialDevice> usbDevices() const override;
    std::vector<SerialPortEntry> serialPorts() const override;
};

// The lock file names that serial programs (and Qt) use for a device: "LCK..ttyUSB0" for
// /dev/ttyUSB0, "LCK..pts_3" for /dev/pts/3, in each of the usual lock folders, for the path
// given and for the device it leads to.
std::vector<std::string> LockFilesFor(const std::string& device);

} // namespace zg
