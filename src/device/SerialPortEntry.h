#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zg {

// One serial device as the system lists it, reduced to what numbering and naming ports needs.
struct SerialPortEntry {
    std::string name{};                       // "ttyUSB0", "COM3", "cu.usbserial-A1"
    std::string location{};                   // what to open: "/dev/ttyUSB0", "COM3"
    std::string description{};                // the product, e.g. "FT232R USB UART"; empty when unknown
    std::string manufacturer{};               // e.g. "FTDI"; empty when unknown
    bool hasHardwareIds = false;              // a vendor or product id or a serial number is known
    bool uartReported = false;                // the kernel names a UART type for the port (Linux)
    std::optional<std::uint16_t> vendorId{};  // the USB adapter's vendor id, e.g. 0x1a86
    std::optional<std::uint16_t> productId{}; // and its product id, e.g. 0x7523
    bool givenByUser = false;                 // named with --device, not found in the system's list
};

} // namespace zg
