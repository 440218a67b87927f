#pragma once

#include <string>

namespace zg {

// One serial device as the system lists it, reduced to what numbering and naming ports needs.
struct SerialPortEntry {
    std::string name{};          // "ttyUSB0", "COM3", "cu.usbserial-A1"
    std::string location{};      // what to open: "/dev/ttyUSB0", "COM3"
    std::string description{};   // the product, e.g. "FT232R USB UART"; empty when unknown
    std::string manufacturer{};  // e.g. "FTDI"; empty when unknown
    bool hasHardwareIds = false; // a vendor or product id or a serial number is known
    bool uartReported = false;   // the kernel names a UART type for the port (Linux)
};

} // namespace zg
