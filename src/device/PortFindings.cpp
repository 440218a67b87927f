#include "PortFindings.h"

#include "CableChips.h"
#include "PortTooltip.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <filesystem>

namespace zg {

namespace {

struct FindingText {
    Q_DECLARE_TR_FUNCTIONS(zg::PortFindings)
};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

PortFinding finding(PortFindingKind kind, bool blocks, const QString& text) {
    return {kind, blocks, text.toStdString()};
}

// Where no group opens the device for reading and writing, joining one cannot help: what can is a
// udev rule that gives it such a group, or chmod for the moment.
PortFinding noGroupFinding(const std::string& device, const DeviceAccess& access) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(device, error);
    const QString kernelName = q((error ? std::filesystem::path(device) : real).filename().string());
    return finding(
        PortFindingKind::NoPermission, true,
        FindingText::tr(
            "You may not use %1: it belongs to %2:%3 with the access %4, which opens it to no group "
            "you could join; give it to the group dialout with the line SUBSYSTEM==\"tty\", "
            "KERNEL==\"%5\", GROUP=\"dialout\", MODE=\"0660\" in "
            "/etc/udev/rules.d/99-zelta-glow.rules and plug the cable in again, or for now run "
            "\"sudo chmod a+rw %1\".")
            .arg(q(device), q(access.owner), q(access.group),
                 QStringLiteral("%1").arg(access.mode, 4, 8, QLatin1Char('0')), kernelName));
}

std::optional<PortFinding> accessFinding(const std::string& device, const SystemLook& system) {
    const DeviceAccess access = system.access(device);
    if (!access.exists || access.mayReadWrite)
        return std::nullopt;
    const QString group = q(access.group);
    constexpr unsigned kGroupReadWrite = 060;
    if (group.isEmpty() || access.group == "root" || (access.mode & kGroupReadWrite) != kGroupReadWrite)
        return noGroupFinding(device, access);
    if (contains(system.sessionGroups(), access.group))
        return finding(
            PortFindingKind::NoPermission, true,
            FindingText::tr("You may not use %1: ask whoever looks after this computer for read and write "
                            "access to it.")
                .arg(q(device)));
    if (contains(system.accountGroups(), access.group))
        return finding(
            PortFindingKind::GroupNotYetInUse, true,
            FindingText::tr("You may not use %1 yet: you joined its group '%2' after you logged in; log out "
                            "and in again (or restart the computer) for it to take effect.")
                .arg(q(device), group));
    return finding(PortFindingKind::NoPermission, true,
                   FindingText::tr(
                       "You may not use %1: it belongs to the group '%2', which you are not in; join it with "
                       "\"sudo usermod -aG %2 $USER\", then log out and in again.")
                       .arg(q(device), group));
}

QString who(const ProcessInfo& process) {
    return process.name.empty() ? FindingText::tr("process %1").arg(process.pid)
                                : FindingText::tr("%1 (process %2)").arg(q(process.name)).arg(process.pid);
}

std::optional<PortFinding> holderFinding(const std::string& device, const SystemLook& system, bool busy) {
    std::vector<ProcessInfo> holders;
    if (const auto locked = system.lockHolder(device))
        holders.push_back(*locked);
    else if (busy)
        holders = system.processesUsing(device);
    else
        return std::nullopt;
    if (holders.empty())
        return finding(
            PortFindingKind::HeldBy, true,
            FindingText::tr("%1 is in use by another program, one that you cannot see: close it and send "
                            "again.")
                .arg(q(device)));
    QStringList names, pids;
    for (const ProcessInfo& holder : holders) {
        names << who(holder);
        pids << QString::number(holder.pid);
    }
    return finding(
        PortFindingKind::HeldBy, true,
        FindingText::tr("%1 is in use by %2: close that program, or end it with \"kill %3\", and send again.")
            .arg(q(device), names.join(QStringLiteral(", ")), pids.join(u' ')));
}

std::optional<PortFinding> modemManagerFinding(const SerialPortEntry& device, const SystemLook& system) {
    if (!device.vendorId || !device.productId || !system.serviceRunning("ModemManager") ||
        system.modemManagerIgnores(device.location))
        return std::nullopt;
    const QString id = q(UsbId(*device.vendorId, *device.productId));
    return finding(
        PortFindingKind::ModemManager, false,
        FindingText::tr("ModemManager is running and may take %1 for a modem for several seconds after the "
                        "cable is plugged in, sending it bytes of its own; to keep it away, put the line "
                        "ATTRS{idVendor}==\"%2\", ATTRS{idProduct}==\"%3\", ENV{ID_MM_DEVICE_IGNORE}=\"1\" "
                        "into /etc/udev/rules.d/99-zelta-glow.rules, run \"sudo udevadm control "
                        "--reload-rules\" and plug the cable in again.")
            .arg(q(device.location), id.left(4), id.mid(5)));
}

PortFinding brlttyFinding(const CableChip& chip, const UsbSerialDevice& usb) {
    const QString id = q(UsbId(usb.vendorId, usb.productId));
    const QString name = QString::fromLatin1(chip.name);
    if (usb.hasTty)
        return finding(PortFindingKind::Brltty, false,
                       FindingText::tr(
                           "brltty, a program for Braille displays, is installed and may take %1 adapters "
                           "like the one plugged in (%2) for itself, so that its port disappears; if you use "
                           "no Braille display, remove it with \"sudo apt remove brltty\".")
                           .arg(name, id));
    return finding(PortFindingKind::Brltty, true,
                   FindingText::tr(
                       "brltty, a program for Braille displays, has taken the %1 adapter plugged in (%2) for "
                       "itself, so that it has no serial port; if you use no Braille display, remove it with "
                       "\"sudo apt remove brltty\", otherwise keep it off with \"sudo systemctl mask "
                       "brltty-udev.service brltty.service\", and plug the cable in again.")
                       .arg(name, id));
}

PortFinding driverFinding(const CableChip& chip, const UsbSerialDevice& usb) {
    return finding(
        PortFindingKind::NoDriver, true,
        FindingText::tr(
            "A %1 USB serial adapter (%2) is plugged in but has no serial port: its driver, %3, is "
            "missing or not loaded; load it with \"sudo modprobe %3\", and if that fails, install "
            "your system's package of extra kernel modules.")
            .arg(QString::fromLatin1(chip.name), q(UsbId(usb.vendorId, usb.productId)),
                 QString::fromLatin1(chip.driver)));
}

} // namespace

// A path named with --device that leads nowhere, or to no serial line.
std::optional<PortFinding> kindFinding(const SerialPortEntry& device, const SystemLook& system) {
    switch (system.kind(device.location)) {
    case DeviceKind::Missing:
        return finding(
            PortFindingKind::Missing, true,
            device.givenByUser
                ? FindingText::tr("%1 does not exist: check the path given with --device; the "
                                  "programming cable's device is usually /dev/ttyUSB0, or a name in "
                                  "/dev/serial/by-id/.")
                      .arg(q(device.location))
                : FindingText::tr("%1 is no longer there: plug the programming cable in again.")
                      .arg(q(device.location)));
    case DeviceKind::NotSerial:
        return finding(PortFindingKind::NotSerial, true,
                       FindingText::tr("%1 is not a serial device: name the programming cable's device with "
                                       "--device, or leave --device out.")
                           .arg(q(device.location)));
    case DeviceKind::Serial:
        break;
    }
    return std::nullopt;
}

std::vector<PortFinding> DeviceFindings(const SerialPortEntry& device, const SystemLook& system,
                                        bool openFailedBusy) {
    if (auto nothingThere = kindFinding(device, system))
        return {*nothingThere};
    std::vector<PortFinding> findings;
    for (auto found :
         {accessFinding(device.location, system), holderFinding(device.location, system, openFailedBusy),
          modemManagerFinding(device, system)})
        if (found)
            findings.push_back(*found);
    return findings;
}

std::optional<PortFinding> HolderFinding(const std::string& device, const SystemLook& system) {
    if (!system.lockHolder(device) && system.processesUsing(device).empty())
        return std::nullopt;
    return holderFinding(device, system, true);
}

std::vector<PortFinding> SystemFindings(const SystemLook& system, const std::string& device) {
    std::vector<PortFinding> findings;
    std::optional<bool> brltty; // asked once, and only when an adapter it takes is plugged in
    for (const UsbSerialDevice& usb : system.usbDevices()) {
        const auto chip = KnownCableChip(usb.vendorId, usb.productId);
        if (!chip)
            continue;
        if (chip->brlttyTakesIt && !brltty)
            brltty = system.packageInstalled("brltty");
        if (chip->brlttyTakesIt && *brltty)
            findings.push_back(brlttyFinding(*chip, usb));
        else if (!usb.hasTty)
            findings.push_back(driverFinding(*chip, usb));
    }
    for (const SerialPortEntry& port : ComPortsBeyondNumbers(system.serialPorts()))
        if (ComNumber(port.name) != ComNumber(device))
            findings.push_back({PortFindingKind::BeyondNumbers, false, BeyondNumbersAdvice(port)});
    return findings;
}

std::string FindingsText(const std::vector<PortFinding>& findings) {
    std::string text;
    for (const PortFinding& found : findings)
        text += (text.empty() ? "" : "\n\n") + found.text;
    return text;
}

} // namespace zg
