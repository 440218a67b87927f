#pragma once

#include <string>

namespace zg {

enum class LinkErrorKind {
    None,
    NoDevice,         // the port number names no serial device
    NotFound,         // the device does not exist (any more)
    PermissionDenied, // the user may not open the device
    InUse,            // another program holds the device
    NotSerial,        // the device is no serial port (a file, /dev/null, ...)
    Settings,         // the line settings were not understood or the device refused them
    NotOpen,          // an operation that needs an open port found none
    Io,               // a write or the wait for it failed, e.g. the adapter was unplugged
};

// What went wrong on the serial link, with the system's own words for it.
struct LinkError {
    LinkErrorKind kind = LinkErrorKind::None;
    std::string device;   // the device the link tried to use; empty when the port named none
    std::string reason;   // the system's reason, as it words it
    int devicesFound = 0; // with NoDevice: how many serial devices the port numbers covered
};

} // namespace zg
