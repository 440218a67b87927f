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

std::string BeyondNumbersAdvice(const SerialPortEntry& entry) {
    const QString port = QString::fromStdString(entry.name);
    const QString adapter = QString::fromStdString(AdapterName(entry));
    if (adapter.isEmpty())
        return QCoreApplication::translate(
                   "zg::PortTooltip",
                   "%1 has a number above 6: if the cable is on it, give it a number from 1 to 6 in Device "
                   "Manager (Ports (COM & LPT), %1, Properties, Port Settings, Advanced, COM Port Number), "
                   "or "
                   "start the program with --device %1.")
            .arg(port)
            .toStdString();
    return QCoreApplication::translate(
               "zg::PortTooltip",
               "The adapter %1 is on %2, a number above 6: give it a number from 1 to 6 in Device Manager "
               "(Ports (COM & LPT), %1, Properties, Port Settings, Advanced, COM Port Number), or start the "
               "program with --device %2.")
        .arg(adapter, port)
        .toStdString();
}

namespace {

std::string deviceTooltip(int port, const PortLookup& lookup) {
    const QString device = QString::fromStdString(lookup.device->location);
    if (!lookup.deviceListed)
        return QCoreApplication::translate("zg::PortTooltip",
                                           "Port %1: %2, which the system does not list now")
            .arg(port)
            .arg(device)
            .toStdString();
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

} // namespace

std::string PortTooltip(int port, const PortLookup& lookup) {
    if (!lookup.device)
        return QCoreApplication::translate("zg::PortTooltip", "Port %1: %2")
            .arg(port)
            .arg(QString::fromStdString(NothingPluggedInText(lookup.devicesFound)))
            .toStdString();
    std::string tooltip = deviceTooltip(port, lookup);
    // Where the chosen number names no cable, the cable may be on a number above 6.
    if (!lookup.deviceListed)
        for (const SerialPortEntry& beyond : lookup.beyondNumbers)
            tooltip += "\n" + BeyondNumbersAdvice(beyond);
    return tooltip;
}

} // namespace zg
