#include "DownloadMessages.h"

#include "DownloadFrame.h"
#include "PortTooltip.h"

#include <QCoreApplication>

namespace zg {

namespace {

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

QString adviceFor(const LinkError& error, bool dialoutHint) {
    switch (error.kind) {
    case LinkErrorKind::NotFound:
        return QCoreApplication::translate(
            "zg::DownloadMessages",
            "Check that the programming cable is plugged in, or choose its port in Settings.");
    case LinkErrorKind::NotSerial:
        return QCoreApplication::translate(
            "zg::DownloadMessages",
            "Name the programming cable's serial device with --device, or leave --device out.");
    case LinkErrorKind::InUse:
        return QCoreApplication::translate("zg::DownloadMessages",
                                           "Another program is using the port. Close it and try again.");
    case LinkErrorKind::PermissionDenied:
        if (dialoutHint)
            return QCoreApplication::translate(
                "zg::DownloadMessages", "Your user may not use serial ports. Join the 'dialout' group "
                                        "(sudo usermod -aG dialout $USER), then log out and in again.");
        return QCoreApplication::translate("zg::DownloadMessages", "Your user may not use this serial port.");
    default:
        return {};
    }
}

} // namespace

std::string NoDeviceMessage(int port, int devicesFound) {
    return QCoreApplication::translate(
               "zg::DownloadMessages",
               "Cannot open serial port %1: %2.\n\nPlug in the programming cable, or choose its "
               "port number in Settings.")
        .arg(port)
        .arg(fromStd(NothingPluggedInText(devicesFound)))
        .toStdString();
}

std::string OpenFailureMessage(int port, const LinkError& error, bool dialoutHint) {
    if (error.kind == LinkErrorKind::NoDevice)
        return NoDeviceMessage(port, error.devicesFound);
    QString text =
        error.device.empty()
            ? QCoreApplication::translate("zg::DownloadMessages", "Cannot open serial port %1:\n%2")
                  .arg(port)
                  .arg(fromStd(error.reason))
            : QCoreApplication::translate("zg::DownloadMessages", "Cannot open serial port %1 (%2):\n%3")
                  .arg(port)
                  .arg(fromStd(error.device), fromStd(error.reason));
    const QString advice = adviceFor(error, dialoutHint);
    if (!advice.isEmpty())
        text += QStringLiteral("\n\n") + advice;
    return text.toStdString();
}

std::string TransferFailureMessage(const DownloadResult& result) {
    const LinkError& error = result.error;
    const QString where = error.device.empty()
                              ? QCoreApplication::translate("zg::DownloadMessages", "the serial port")
                              : fromStd(error.device);
    return QCoreApplication::translate(
               "zg::DownloadMessages",
               "The download stopped after %1 of %2 items were sent to %3:\n%4\n\nCheck the cable, "
               "put the module into its receiving state again and repeat the download.")
        .arg(result.itemsSent)
        .arg(DownloadFrame::kItemCount)
        .arg(where, fromStd(error.reason))
        .toStdString();
}

} // namespace zg
