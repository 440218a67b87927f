#include "device/QtSerialLink.h"
#include "QtTestApp.h"
#include "device/DownloadMessages.h"
#include "device/LineSettings.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zg {
namespace {

// The failures of QtSerialLink that need no device at the far end (the pseudo-terminal tests are in
// SerialPtyTest.cpp, which runs alone).
constexpr int kCablePort = 1;

// Windows names every number COMn; one the system does not list is no cable, said as such before
// Windows' own "file not found".
TEST(QtSerialLink, AComPortTheSystemDoesNotListIsNoDevice) {
    testing::EnsureQtApp();
    const std::vector<SerialPortEntry> present{{.name = "COM9", .location = "\\\\.\\COM9"}};
    QtSerialLink link([&](int port) { return WindowsPortLookup(port, present); });
    EXPECT_FALSE(link.Open(3, kDownloadLineSettings));
    EXPECT_EQ(link.LastError().kind, LinkErrorKind::NoDevice);
    EXPECT_EQ(
        OpenFailureMessage(3, link.LastError()),
        "Cannot open serial port 3: no serial device is plugged in for this number (1 found).\n\nPlug in "
        "the programming cable, or choose its port number in Settings.");
}

TEST(QtSerialLink, MissingDeviceFailsNamingIt) {
    testing::EnsureQtApp();
    const std::string device = "/nonexistent-zg-folder/ttyUSB0";
    QtSerialLink link([&](int) { return std::optional(device); });

    EXPECT_FALSE(link.Open(kCablePort, kDownloadLineSettings));
    EXPECT_FALSE(link.IsOpen());
    const LinkError error = link.LastError();
    EXPECT_EQ(error.kind, LinkErrorKind::NotFound) << error.reason;
    EXPECT_EQ(error.device, device);
    EXPECT_FALSE(error.reason.empty());
    const std::string message = OpenFailureMessage(kCablePort, error);
    EXPECT_NE(message.find(device), std::string::npos) << message;
    EXPECT_NE(message.find(error.reason), std::string::npos) << message;
}

TEST(QtSerialLink, ADeviceThatIsNoSerialPortIsCalledSoInPlainWords) {
    testing::EnsureQtApp();
    QtSerialLink link(DeviceOverride("/dev/null"));

    EXPECT_FALSE(link.Open(kCablePort, kDownloadLineSettings));
    EXPECT_EQ(link.LastError().kind, LinkErrorKind::NotSerial) << link.LastError().reason;
    const std::string message = OpenFailureMessage(kCablePort, link.LastError());
    EXPECT_NE(message.find("/dev/null is not a serial device."), std::string::npos) << message;
    EXPECT_EQ(message.find("ioctl"), std::string::npos) << message;
}

TEST(QtSerialLink, NumberWithoutDeviceFailsCountingTheDevicesFound) {
    testing::EnsureQtApp();
    QtSerialLink link([](int) { return PortLookup{std::nullopt, 2}; });

    EXPECT_FALSE(link.Open(3, kDownloadLineSettings));
    EXPECT_EQ(link.LastError().kind, LinkErrorKind::NoDevice);
    EXPECT_EQ(link.LastError().devicesFound, 2);
}

TEST(QtSerialLink, PortZeroNamesNoDeviceAndNothingCanBeWritten) {
    testing::EnsureQtApp();
    QtSerialLink link;

    EXPECT_FALSE(link.Open(0, kDownloadLineSettings));
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(link.LastError().kind, LinkErrorKind::NoDevice);
    EXPECT_NE(OpenFailureMessage(0, link.LastError()).find("port 0"), std::string::npos);
    const std::array<std::uint8_t, 3> marker{0x2A, 0x0D, 0x0A};
    EXPECT_FALSE(link.Write(marker));
    EXPECT_EQ(link.LastError().kind, LinkErrorKind::NotOpen);
}

} // namespace
} // namespace zg
