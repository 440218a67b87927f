#pragma once

#include "DownloadResult.h"
#include "LinkError.h"

#include <string>

namespace zg {

#if defined(__linux__)
inline constexpr bool kSerialNeedsDialoutGroup = true;
#else
inline constexpr bool kSerialNeedsDialoutGroup = false;
#endif

// The text of the message box shown when the port for `port` cannot be opened: the device and
// the system's reason. A port naming no device gives NoDeviceMessage. What was found to stand in the
// way (`findings`) follows; without findings, a lack of permission on Linux adds how to get it.
std::string OpenFailureMessage(int port, const LinkError& error, bool dialoutHint = kSerialNeedsDialoutGroup,
                               const std::string& findings = {});

// The text of the message box shown when another program holds the device of `port`, found before
// the program opened it: who holds it and what to do (`holder`).
std::string PortHeldMessage(int port, const std::string& device, const std::string& holder);

// The text of the message box shown when port number `port` names no device: how many devices
// there are, and to plug in the cable or choose another number.
std::string NoDeviceMessage(int port, int devicesFound);

// The text of the message box shown when a download stopped early: how many of the 56 items
// left and which was the last, how long it ran, the system's reason and what to do.
std::string TransferFailureMessage(const DownloadResult& result);

// The text of the message box shown when the user stopped a download: how many items left whole
// and what the module is left with.
std::string TransferStoppedMessage(const DownloadResult& result, const std::string& device);

// What the window says after all items left: how many, where to and how long it took.
std::string TransferDoneText(const DownloadResult& result, const std::string& device);

} // namespace zg
