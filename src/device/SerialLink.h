#pragma once

#include "LinkError.h"
#include "SerialPortEntry.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zg {

// The serial port as the download needs it: one way, no reading, no line events.
class SerialLink {
  public:
    virtual ~SerialLink() = default;

    virtual bool IsOpen() const = 0;

    // Opens serial port `port` (1..6) and applies `settings` such as "2400,n,8,1".
    // Fails when the port names no device, the device is missing or in use, or refuses the settings.
    virtual bool Open(int port, std::string_view settings) = 0;

    // Queues the bytes unchanged and returns without waiting for them to leave. Fails, with the
    // kind NotOpen, when no port is open.
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;

    // Blocks until every byte queued so far has physically left the machine. A byte handed to
    // the serial layer is not yet a byte sent, so the download times its pauses from here.
    virtual bool WaitUntilSent() = 0;

    // Releases the port once the queued bytes have left.
    virtual void Close() = 0;

    // The last failure of Open, Write or WaitUntilSent.
    virtual LinkError LastError() const = 0;

    // The device the last Open went to, in the words of the port list ("Port 1: /dev/ttyUSB0
    // (FTDI, FT232R USB UART)"), and its path; empty where the link cannot tell.
    virtual std::string DeviceLine() const { return {}; }
    virtual std::string DevicePath() const { return {}; }
    // The device the last Open went to, as the system lists it (adapter, USB ids).
    virtual std::optional<SerialPortEntry> Device() const { return std::nullopt; }
    // The device port number `port` names now, without opening it; nothing where the link cannot tell.
    virtual std::optional<SerialPortEntry> Locate(int /*port*/) const { return std::nullopt; }
};

} // namespace zg
