#pragma once

#include "SerialPortEntry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zg {

// A USB serial chip that programming cables are built on, with the Linux driver that serves it.
struct CableChip {
    std::uint16_t vendorId;
    std::uint16_t productId;
    const char* name;   // "CH340"
    const char* driver; // "ch341", the kernel module
    bool brlttyTakesIt; // brltty's udev rules claim it for a Braille display
};

std::optional<CableChip> KnownCableChip(std::uint16_t vendorId, std::uint16_t productId);

// "1a86:7523", as lsusb and udev write USB ids.
std::string UsbId(std::uint16_t vendorId, std::uint16_t productId);

// What is behind a port, for the user: "CH340 USB serial adapter", "FT232R USB UART (FTDI)",
// "USB serial adapter 1234:5678"; empty when the system tells nothing of it.
std::string AdapterName(const SerialPortEntry& entry);

} // namespace zg
