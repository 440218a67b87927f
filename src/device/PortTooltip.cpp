#include "PortTooltip.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("zg::PortTooltip",
                                       "no serial device is plugged in for this number (%1 found)")
        .arg(devicesFound)
        .toStdString();
}

std::string PortTooltip(int port, const PortLookup& lookup) {
    const std::string what = lookup.device ? lookup.device->location + detailsOf(*lookup.device)
                                           : NothingPluggedInText(lookup.devicesFound);
    return QCoreApplication::translate("zg::PortTooltip", "Port %1: %2")
        .arg(port)
        .arg(QString::fromStdString(what))
        .toStdString();
}

} // namespace zg
