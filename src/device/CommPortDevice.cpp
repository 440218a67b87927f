#include "CommPortDevice.h"

#include "PresentSerialPorts.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <algorithm>

namespace zg {

namespace {

bool isCommPort(int port) {
    return port >= kFirstCommPort && port <= kLastCommPort;
}

bool isUsbAdapter(const SerialPortEntry& entry) {
    return entry.name.starts_with("ttyUSB") || entry.name.starts_with("ttyACM");
}

// A ttyS node exists whether or not a UART sits behind it, so the node proves nothing. The UART
// type the kernel found when it probed the port (what setserial shows) tells a real port from an
// empty one. A port the system can describe or identify, such as one on a PCI card, is real too;
// that also covers kernels that hide the UART type from ordinary users.
bool isRealBuiltIn(const SerialPortEntry& entry) {
    return entry.uartReported || entry.hasHardwareIds || !entry.description.empty() ||
           !entry.manufacturer.empty();
}

bool isMacCableDevice(const SerialPortEntry& entry) {
    return entry.name.starts_with("cu.usbserial") || entry.name.starts_with("cu.usbmodem");
}

// In name order with digits by their value, so that ttyUSB2 comes before ttyUSB10.
void sortByName(std::vector<SerialPortEntry>& entries) {
    QCollator order{QLocale(QLocale::English)};
    order.setNumericMode(true);
    std::sort(entries.begin(), entries.end(), [&order](const SerialPortEntry& a, const SerialPortEntry& b) {
        return order.compare(QString::fromStdString(a.name), QString::fromStdString(b.name)) < 0;
    });
}

} // namespace

std::optional<int> ComNumber(std::string_view name) {
    if (name.starts_with("\\\\.\\"))
        name.remove_prefix(4);
    if (!name.starts_with("COM") || name.size() == 3)
        return std::nullopt;
    int number = 0;
    for (const char digit : name.substr(3)) {
        if (digit < '0' || digit > '9' || number > 999)
            return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    return number;
}

std::optional<std::string> WindowsDeviceForPort(int port) {
    if (!isCommPort(port))
        return std::nullopt;
    return "COM" + std::to_string(port);
}

PortLookup WindowsPortLookup(int port, const std::vector<SerialPortEntry>& present) {
    const int found = int(present.size());
    const auto name = WindowsDeviceForPort(port);
    if (!name)
        return {std::nullopt, found};
    const auto listed = std::find_if(present.begin(), present.end(),
                                     [&](const SerialPortEntry& entry) { return entry.name == *name; });
    SerialPortEntry device =
        listed != present.end() ? *listed : SerialPortEntry{.name = *name, .location = *name};
    device.location = *name; // "COM5" as Windows users know it; Qt opens it as "\\.\COM5"
    return {device, found, ComPortsBeyondNumbers(present), listed != present.end()};
}

std::vector<SerialPortEntry> ComPortsBeyondNumbers(std::vector<SerialPortEntry> present) {
    std::erase_if(present, [](const SerialPortEntry& entry) {
        return ComNumber(entry.name).value_or(0) <= kLastCommPort;
    });
    sortByName(present);
    return present;
}

std::vector<SerialPortEntry> LinuxNumberedPorts(std::vector<SerialPortEntry> present) {
    std::erase_if(present,
                  [](const SerialPortEntry& entry) { return !isUsbAdapter(entry) && !isRealBuiltIn(entry); });
    sortByName(present);
    std::stable_partition(present.begin(), present.end(), isUsbAdapter);
    return present;
}

std::vector<SerialPortEntry> MacNumberedPorts(std::vector<SerialPortEntry> present) {
    std::erase_if(present, [](const SerialPortEntry& entry) { return !isMacCableDevice(entry); });
    sortByName(present);
    return present;
}

PortLookup NumberedPortLookup(int port, const std::vector<SerialPortEntry>& numbered) {
    const int found = int(numbered.size());
    if (!isCommPort(port) || port > found)
        return {std::nullopt, found};
    return {numbered[std::size_t(port - 1)], found};
}

PortLookup PlatformPortLookup(int port, const std::vector<SerialPortEntry>& present) {
#if defined(_WIN32)
    return WindowsPortLookup(port, present);
#elif defined(__APPLE__)
    return NumberedPortLookup(port, MacNumberedPorts(present));
#else
    return NumberedPortLookup(port, LinuxNumberedPorts(present));
#endif
}

PortLookup SystemPortLookup(int port) {
    return PlatformPortLookup(port, PresentSerialPorts());
}

PortResolver DeviceOverride(const std::string& path) {
    const SerialPortEntry entry{
        .name = path,
        .location = path,
        .description = QCoreApplication::translate("zg::CommPortDevice", "given by --device").toStdString(),
        .givenByUser = true};
    return [entry](int) { return PortLookup{entry, 1}; };
}

} // namespace zg
