#pragma once

#include "device/SystemLook.h"

#include <algorithm>

namespace zg::testing {

// A system as a test sets it up: every answer a field.
struct FakeSystemLook final : SystemLook {
    DeviceAccess deviceAccess{true, true, "dialout", "root", 0660};
    DeviceKind deviceKind = DeviceKind::Serial;
    std::vector<std::string> session{"users"};
    std::vector<std::string> account{"users"};
    std::optional<ProcessInfo> locked;
    std::vector<ProcessInfo> users;
    std::vector<std::string> running;
    std::vector<std::string> installed;
    bool ignoredByModemManager = false;
    std::vector<UsbSerialDevice> usb;
    std::vector<SerialPortEntry> ports;

    DeviceAccess access(const std::string&) const override { return deviceAccess; }
    DeviceKind kind(const std::string&) const override { return deviceKind; }
    std::vector<std::string> sessionGroups() const override { return session; }
    std::vector<std::string> accountGroups() const override { return account; }
    std::optional<ProcessInfo> lockHolder(const std::string&) const override { return locked; }
    std::vector<ProcessInfo> processesUsing(const std::string&) const override { return users; }
    bool serviceRunning(const std::string& name) const override { return has(running, name); }
    bool packageInstalled(const std::string& name) const override { return has(installed, name); }
    bool modemManagerIgnores(const std::string&) const override { return ignoredByModemManager; }
    std::vector<UsbSerialDevice> usbDevices() const override { return usb; }
    std::vector<SerialPortEntry> serialPorts() const override { return ports; }

  private:
    static bool has(const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    }
};

} // namespace zg::testing
