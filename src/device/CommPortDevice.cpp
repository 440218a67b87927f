#include "CommPortDevice.h"

#include "DeviceOption.h"
#include "PresentSerialPorts.h"

#include <algorithm>
#include <string_view>

namespace zg {

namespace {

bool isCommPort(int port) {
    return port >= kFirstCommPort && port <= kLastCommPort;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view digitRun(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return text.substr(from, end - from);
}

int compareNumbers(std::string_view x, std::string_view y) {
    x.remove_prefix(std::min(x.find_first_not_of('0'), x.size()));
    y.remove_prefix(std::min(y.find_first_not_of('0'), y.size()));
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

// Digits compare by their value, so that ttyUSB2 comes before ttyUSB10.
bool naturalLess(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = digitRun(a, i), y = digitRun(b, j);
            if (const int order = compareNumbers(x, y); order != 0)
                return order < 0;
            i += x.size();
            j += y.size();
        } else if (a[i] != b[j]) {
            return a[i] < b[j];
        } else {
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
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

void sortByName(std::vector<SerialPortEntry>& entries) {
    std::sort(entries.begin(), entries.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return naturalLess(a.name, b.name); });
}

} // namespace

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
    return {listed != present.end() ? *listed : SerialPortEntry{.name = *name, .location = *name}, found};
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

PortResolver DeviceOverride(std::string path) {
    const SerialPortEntry entry{
        .name = path, .location = path, .description = "given by " + std::string(kDeviceOption)};
    return [entry](int) { return PortLookup{entry, 1}; };
}

} // namespace zg
