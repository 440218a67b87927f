#include "DeviceOption.h"

namespace zg {

namespace {

void take(DeviceOption& option, const std::string& path) {
    if (path.empty())
        option.error = std::string(kDeviceOption) + " needs the path of a serial device, e.g. " +
                       std::string(kDeviceOption) + " /dev/ttyUSB0";
    else
        option.device = path;
}

} // namespace

DeviceOption ParseDeviceOption(const std::vector<std::string>& args) {
    const std::string withValue = std::string(kDeviceOption) + "=";
    DeviceOption option;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == kDeviceOption)
            take(option, i + 1 < args.size() ? args[++i] : std::string());
        else if (arg.starts_with(withValue))
            take(option, arg.substr(withValue.size()));
        else
            option.rest.push_back(arg);
    }
    return option;
}

} // namespace zg
