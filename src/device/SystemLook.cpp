#include "SystemLook.h"

#include "PresentSerialPorts.h"

#if defined(__linux__)
#include "LinuxSystemLook.h"
#endif

namespace zg {

namespace {

// Finds nothing but the listed ports: where the checks are not written for the system.
class NoSystemLook final : public SystemLook {
  public:
    DeviceAccess access(const std::string&) const override { return {}; }
    DeviceKind kind(const std::string&) const override { return DeviceKind::Serial; }
    std::vector<std::string> sessionGroups() const override { return {}; }
    std::vector<std::string> accountGroups() const override { return {}; }
    std::optional<ProcessInfo> lockHolder(const std::string&) const override { return std::nullopt; }
    std::vector<ProcessInfo> processesUsing(const std::string&) const override { return {}; }
    bool serviceRunning(const std::string&) const override { return false; }
    bool packageInstalled(const std::string&) const override { return false; }
    bool modemManagerIgnores(const std::string&) const override { return true; }
    std::vector<UsbSerialDevice> usbDevices() const override { return {}; }
    std::vector<SerialPortEntry> serialPorts() const override { return PresentSerialPorts(); }
};

} // namespace

std::unique_ptr<SystemLook> MakeSystemLook() {
#if defined(__linux__)
    return std::make_unique<LinuxSystemLook>();
#else
    return std::make_unique<NoSystemLook>();
#endif
}

} // namespace zg
