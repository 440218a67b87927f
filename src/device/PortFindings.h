#pragma once

#include "SerialPortEntry.h"
#include "SystemLook.h"

#include <optional>
#include <string>
#include <vector>

namespace zg {

enum class PortFindingKind {
    NoPermission,     // the user may not open the device and is not in its group
    GroupNotYetInUse, // the user joined the device's group after logging in
    HeldBy,           // another process has the device
    ModemManager,     // ModemManager may probe the adapter
    Brltty,           // brltty takes CH340/CP210x adapters for Braille displays
    NoDriver,         // a cable chip is plugged in, but no serial device came of it
    Missing,          // nothing is at the device's path
    NotSerial,        // the path names a file, a folder or a device without a serial line
    BeyondNumbers,    // a COM port above 6, which no port number names (Windows)
};

// One thing that stands between the program and the module, said as one sentence with what to do.
struct PortFinding {
    PortFindingKind kind;
    bool blocks; // nothing reaches the module until it is mended
    std::string text;
};

// What stands in the way of the device a port names. `openFailedBusy`: the program's own open just
// failed because the device is in use, so whoever has it open is named even without a lock file.
std::vector<PortFinding> DeviceFindings(const SerialPortEntry& device, const SystemLook& system,
                                        bool openFailedBusy = false);

// Who holds the device now: the live program its lock file names (also one that wrote only its
// number, which Qt would take for stale and write over), else a process that has it open without
// a lock. Looked for before the program opens the device itself.
std::optional<PortFinding> HolderFinding(const std::string& device, const SystemLook& system);

// What stands in the way of any cable: adapters without a serial device, brltty, a COM port above 6.
// `device`, the one the program uses, is no finding of its own.
std::vector<PortFinding> SystemFindings(const SystemLook& system, const std::string& device = {});

// The findings' sentences, a blank line apart.
std::string FindingsText(const std::vector<PortFinding>& findings);

} // namespace zg
