#include "PortTooltip.h"

#include "CableChips.h"

#include <QCoreApplication>

namespace zg {

std::string NothingPluggedInText(int devicesFound) {
    return QCoreApplication::translate("zg::PortTooltip",
                                       "no serial device is plugged in for this number (%1 found)")
        .arg(devicesFound)
        .toStdString();
}

std::string PortTooltip(int port, const PortLookup& lookup) {
    if (!lookup.device)
        return QCoreApplication::translate("zg::PortTooltip", "Port %1: %2")
            .arg(port)
            .arg(QString::fromStdString(NothingPluggedInText(lookup.devicesFound)))
            .toStdString();
    const QString device = QString::fromStdString(lookup.device->location);
    const std::string adapter = AdapterName(*lookup.device);
    if (adapter.empty())
        return QCoreApplication::translate("zg::PortTooltip", "Port %1: %2")
            .arg(port)
            .arg(device)
            .toStdString();
    return QCoreApplication::translate("zg::PortTooltip", "Port %1: %2, %3")
        .arg(port)
        .arg(device, QString::fromStdString(adapter))
        .toStdString();
}

} // namespace zg
