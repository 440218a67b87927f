#include "PortTooltip.h"

namespace zg {

namespace {

std::string detailsOf(const SerialPortEntry& device) {
    std::string details = device.manufacturer;
    if (!details.empty() && !device.description.empty())
        details += ", ";
    details += device.description;
    return details.empty() ? details : " (" + details + ")";
}

} // namespace

std::string NothingPluggedInText(int devicesFound) {
    return "no serial device is plugged in for this number (" + std::to_string(devicesFound) + " found)";
}

std::string PortTooltip(int port, const PortLookup& lookup) {
    const std::string prefix = "Port " + std::to_string(port) + ": ";
    if (!lookup.device)
        return prefix + NothingPluggedInText(lookup.devicesFound);
    return prefix + lookup.device->location + detailsOf(*lookup.device);
}

} // namespace zg
