#include "DownloadMessages.h"

#include "DownloadFrame.h"
#include "PortTooltip.h"

namespace zg {

namespace {

std::string portName(int port, const LinkError& error) {
    const std::string number = "serial port " + std::to_string(port);
    return error.device.empty() ? number : number + " (" + error.device + ")";
}

std::string adviceFor(const LinkError& error, bool dialoutHint) {
    switch (error.kind) {
    case LinkErrorKind::NotFound:
        return "Check that the programming cable is plugged in, or choose its port in Settings.";
    case LinkErrorKind::NotSerial:
        return "Name the programming cable's serial device with --device, or leave --device out.";
    case LinkErrorKind::InUse:
        return "Another program is using the port. Close it and try again.";
    case LinkErrorKind::PermissionDenied:
        if (dialoutHint)
            return "Your user may not use serial ports. Join the 'dialout' group "
                   "(sudo usermod -aG dialout $USER), then log out and in again.";
        return "Your user may not use this serial port.";
    default:
        return {};
    }
}

} // namespace

std::string NoDeviceMessage(int port, int devicesFound) {
    return "Cannot open serial port " + std::to_string(port) + ": " + NothingPluggedInText(devicesFound) +
           ".\n\nPlug in the programming cable, or choose its port number in Settings.";
}

std::string OpenFailureMessage(int port, const LinkError& error, bool dialoutHint) {
    if (error.kind == LinkErrorKind::NoDevice)
        return NoDeviceMessage(port, error.devicesFound);
    std::string text = "Cannot open " + portName(port, error) + ":\n" + error.reason;
    const std::string advice = adviceFor(error, dialoutHint);
    if (!advice.empty())
        text += "\n\n" + advice;
    return text;
}

std::string TransferFailureMessage(const DownloadResult& result) {
    const LinkError& error = result.error;
    const std::string where = error.device.empty() ? std::string("the serial port") : error.device;
    return "The download stopped after " + std::to_string(result.itemsSent) + " of " +
           std::to_string(DownloadFrame::kItemCount) + " items were sent to " + where + ":\n" + error.reason +
           "\n\nCheck the cable, put the module into its receiving state again and repeat the download.";
}

} // namespace zg
