#include "DownloadMessages.h"

#include "DownloadFrame.h"
#include "PortTooltip.h"

#include <QCoreApplication>
#include <QLocale>

#include <chrono>

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

std::string OpenFailureMessage(int port, const LinkError& error, bool dialoutHint,
                               const std::string& findings) {
    if (error.kind == LinkErrorKind::NoDevice)
        return NoDeviceMessage(port, error.devicesFound) + (findings.empty() ? "" : "\n\n" + findings);
    QString text =
        error.device.empty()
            ? QCoreApplication::translate("zg::DownloadMessages", "Cannot open serial port %1:\n%2")
                  .arg(port)
                  .arg(fromStd(error.reason))
            : QCoreApplication::translate("zg::DownloadMessages", "Cannot open serial port %1 (%2):\n%3")
                  .arg(port)
                  .arg(fromStd(error.device), fromStd(error.reason));
    // What was found on the system says more than the general advice.
    const QString advice = findings.empty() ? adviceFor(error, dialoutHint) : fromStd(findings);
    if (!advice.isEmpty())
        text += QStringLiteral("\n\n") + advice;
    return text.toStdString();
}

namespace {

QString secondsOf(const DownloadResult& result) {
    return QLocale().toString(std::chrono::duration<double>(result.elapsed).count(), 'f', 1);
}

// Item `index` as the user knows it: counted from 1, with what it carries.
QString itemText(int index) {
    const int number = index + 1;
    if (index < kEventCount)
        return QCoreApplication::translate("zg::DownloadMessages", "item %1 (event %2)")
            .arg(number)
            .arg(number);
    if (index < DownloadFrame::kItemCount - 2)
        return QCoreApplication::translate("zg::DownloadMessages", "item %1 (the servo mode of LED#%2)")
            .arg(number)
            .arg(index - kEventCount + 1);
    if (index == DownloadFrame::kItemCount - 2)
        return QCoreApplication::translate("zg::DownloadMessages", "item %1 (the sequencer delay)")
            .arg(number);
    return QCoreApplication::translate("zg::DownloadMessages", "item %1 (the end of the sequence)")
        .arg(number);
}

} // namespace

std::string TransferDoneText(const DownloadResult& result, const std::string& device) {
    return QCoreApplication::translate("zg::DownloadMessages", "Sent %1 items to %2 in %3 s.")
        .arg(result.itemsSent)
        .arg(fromStd(device), secondsOf(result))
        .toStdString();
}

std::string PortHeldMessage(int port, const std::string& device, const std::string& holder) {
    return (QCoreApplication::translate("zg::DownloadMessages",
                                        "Serial port %1 (%2) is held by another program; nothing was sent.")
                .arg(port)
                .arg(fromStd(device)) +
            QStringLiteral("\n\n") + fromStd(holder))
        .toStdString();
}

std::string TransferStoppedMessage(const DownloadResult& result, const std::string& device) {
    const QString where = device.empty()
                              ? QCoreApplication::translate("zg::DownloadMessages", "the serial port")
                              : fromStd(device);
    return (result.itemsSent == 0
                ? QCoreApplication::translate("zg::DownloadMessages",
                                              "The download was stopped before the first item was sent to %1.")
                      .arg(where)
                : QCoreApplication::translate("zg::DownloadMessages",
                                              "The download was stopped after %1 of %2 items were sent to %3, "
                                              "each whole; the last was %4.")
                      .arg(result.itemsSent)
                      .arg(DownloadFrame::kItemCount)
                      .arg(where, itemText(result.itemsSent - 1)))
               .toStdString() +
           "\n\n" +
           QCoreApplication::translate("zg::DownloadMessages",
                                       "The module holds an incomplete pattern: put it into its receiving "
                                       "state again (all LEDs lit) and send the pattern again.")
               .toStdString();
}

std::string TransferFailureMessage(const DownloadResult& result) {
    const LinkError& error = result.error;
    const QString where = error.device.empty()
                              ? QCoreApplication::translate("zg::DownloadMessages", "the serial port")
                              : fromStd(error.device);
    const QString what =
        result.itemsSent == 0
            ? QCoreApplication::translate("zg::DownloadMessages",
                                          "The download stopped before the first item was sent to %1, %2 s "
                                          "after it began:\n%3")
                  .arg(where, secondsOf(result), fromStd(error.reason))
            : QCoreApplication::translate("zg::DownloadMessages",
                                          "The download stopped after %1 of %2 items were sent to %3, %4 s "
                                          "after it began; the last to leave was %5:\n%6")
                  .arg(result.itemsSent)
                  .arg(DownloadFrame::kItemCount)
                  .arg(where, secondsOf(result), itemText(result.itemsSent - 1), fromStd(error.reason));
    return (what + QStringLiteral("\n\n") +
            QCoreApplication::translate("zg::DownloadMessages",
                                        "Plug the cable in again if it came out, put the module into its "
                                        "receiving state again (all LEDs lit) and send the pattern again."))
        .toStdString();
}

} // namespace zg
