#include "PresentSerialPorts.h"

#include <QSerialPortInfo>

#include <fstream>

namespace zg {

namespace {

// The kernel keeps the type of the UART it found behind each port in sysfs, 0 when none answered.
// Reading it needs no access to the device, and unlike opening the port it leaves the modem lines
// of whatever is plugged in alone.
bool kernelReportsUart([[maybe_unused]] const std::string& name) {
#if defined(__linux__)
    std::ifstream type("/sys/class/tty/" + name + "/type");
    int value = 0;
    return (type >> value) && value != 0;
#else
    return false;
#endif
}

SerialPortEntry entryFor(const QSerialPortInfo& info) {
    const std::string name = info.portName().toStdString();
    return {
        .name = name,
        .location = info.systemLocation().toStdString(),
        .description = info.description().toStdString(),
        .manufacturer = info.manufacturer().toStdString(),
        .hasHardwareIds =
            info.hasVendorIdentifier() || info.hasProductIdentifier() || !info.serialNumber().isEmpty(),
        .uartReported = kernelReportsUart(name),
        .vendorId = info.hasVendorIdentifier() ? std::optional(info.vendorIdentifier()) : std::nullopt,
        .productId = info.hasProductIdentifier() ? std::optional(info.productIdentifier()) : std::nullopt,
    };
}

} // namespace

std::vector<SerialPortEntry> PresentSerialPorts() {
    std::vector<SerialPortEntry> entries;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        entries.push_back(entryFor(info));
    return entries;
}

} // namespace zg
