#include "CommPortDevice.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace zg {

namespace {

bool isCommPort(int port) {
    return port >= kFirstCommPort && port <= kLastCommPort;
}

bool isMacCableDevice(const std::string& name) {
    return name.starts_with("cu.usbserial") || name.starts_with("cu.usbmodem");
}

[[maybe_unused]] bool pathExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

[[maybe_unused]] std::vector<std::string> devNames() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev", error))
        names.push_back(entry.path().filename().string());
    return names;
}

} // namespace

std::optional<std::string> WindowsDeviceForPort(int port) {
    if (!isCommPort(port))
        return std::nullopt;
    return "COM" + std::to_string(port);
}

std::optional<std::string> LinuxDeviceForPort(int port,
                                              const std::function<bool(const std::string&)>& exists) {
    if (!isCommPort(port))
        return std::nullopt;
    const std::string index = std::to_string(port - 1);
    const std::array<std::string, 3> candidates{"/dev/ttyUSB" + index, "/dev/ttyACM" + index,
                                                "/dev/ttyS" + index};
    const auto found = std::find_if(candidates.begin(), candidates.end(), exists);
    return found != candidates.end() ? *found : candidates.front();
}

std::optional<std::string> MacDeviceForPort(int port, std::vector<std::string> deviceNames) {
    if (!isCommPort(port))
        return std::nullopt;
    std::erase_if(deviceNames, [](const std::string& name) { return !isMacCableDevice(name); });
    std::sort(deviceNames.begin(), deviceNames.end());
    if (std::size_t(port) > deviceNames.size())
        return std::nullopt;
    return "/dev/" + deviceNames[std::size_t(port - 1)];
}

std::optional<std::string> SystemDeviceForPort(int port) {
#if defined(_WIN32)
    return WindowsDeviceForPort(port);
#elif defined(__APPLE__)
    return MacDeviceForPort(port, devNames());
#else
    return LinuxDeviceForPort(port, pathExists);
#endif
}

} // namespace zg
