#include "PortListing.h"

#include "PortFindings.h"
#include "PortTooltip.h"

#include <QCoreApplication>

namespace zg {

namespace {

void addFindings(std::vector<std::string>& lines, const std::vector<PortFinding>& findings) {
    for (const PortFinding& found : findings)
        lines.push_back("  " + found.text);
}

} // namespace

std::vector<std::string> PortListing(const PortResolver& lookup, const SystemLook& system) {
    std::vector<std::string> lines;
    std::string previous;
    bool beyondNumbers = false;
    for (int port = kFirstCommPort; port <= kLastCommPort; ++port) {
        const PortLookup found = lookup(port);
        beyondNumbers = beyondNumbers || !found.beyondNumbers.empty();
        // A device named with --device stands for every number: said once.
        if (!found.device || !found.deviceListed || found.device->location == previous)
            continue;
        previous = found.device->location;
        lines.push_back(PortTooltip(port, found));
        addFindings(lines, DeviceFindings(*found.device, system));
        // A program that holds the device without a lock is named too, as the download names it.
        if (!system.lockHolder(found.device->location))
            if (const auto holder = HolderFinding(found.device->location, system))
                addFindings(lines, {*holder});
    }
    if (lines.empty())
        lines.push_back((beyondNumbers ? QCoreApplication::translate(
                                             "zg::PortListing", "No serial device has a number from 1 to 6.")
                                       : QCoreApplication::translate("zg::PortListing",
                                                                     "No serial device is plugged in."))
                            .toStdString());
    addFindings(lines, SystemFindings(system, previous));
    return lines;
}

} // namespace zg
