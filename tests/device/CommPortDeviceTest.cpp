#include "device/CommPortDevice.h"

#include <gtest/gtest.h>

#include <set>

namespace zg {
namespace {

auto existing(std::set<std::string> devices) {
    return [devices = std::move(devices)](const std::string& path) { return devices.contains(path); };
}

TEST(CommPortDevice, LinuxPrefersUsbThenAcmThenBuiltInPortOfIndexNMinusOne) {
    const auto all = existing({"/dev/ttyUSB2", "/dev/ttyACM2", "/dev/ttyS2", "/dev/ttyACM0", "/dev/ttyS0"});
    EXPECT_EQ(LinuxDeviceForPort(3, all), "/dev/ttyUSB2");
    EXPECT_EQ(LinuxDeviceForPort(1, all), "/dev/ttyACM0");
    EXPECT_EQ(LinuxDeviceForPort(1, existing({"/dev/ttyS0", "/dev/ttyUSB1"})), "/dev/ttyS0");
    EXPECT_EQ(LinuxDeviceForPort(6, existing({"/dev/ttyS5"})), "/dev/ttyS5");
}

TEST(CommPortDevice, LinuxWithoutAnyCandidateNamesTheUsbDevice) {
    EXPECT_EQ(LinuxDeviceForPort(2, existing({"/dev/ttyS0", "/dev/ttyUSB0"})), "/dev/ttyUSB1");
}

TEST(CommPortDevice, MacTakesTheNthCableDeviceInNameOrder) {
    const std::vector<std::string> dev{"tty.usbserial-A1", "cu.usbmodem1411", "cu.Bluetooth-Incoming-Port",
                                       "cu.usbserial-B2",  "cu.usbserial-A1", "null"};
    EXPECT_EQ(MacDeviceForPort(1, dev), "/dev/cu.usbmodem1411");
    EXPECT_EQ(MacDeviceForPort(2, dev), "/dev/cu.usbserial-A1");
    EXPECT_EQ(MacDeviceForPort(3, dev), "/dev/cu.usbserial-B2");
    EXPECT_EQ(MacDeviceForPort(4, dev), std::nullopt);
}

TEST(CommPortDevice, WindowsNamesComN) {
    EXPECT_EQ(WindowsDeviceForPort(1), "COM1");
    EXPECT_EQ(WindowsDeviceForPort(6), "COM6");
}

TEST(CommPortDevice, NumbersOutsideOneToSixNameNoDeviceOnAnyPlatform) {
    const auto everything = [](const std::string&) { return true; };
    const std::vector<std::string> dev{"cu.usbserial-1", "cu.usbserial-2", "cu.usbserial-3", "cu.usbserial-4",
                                       "cu.usbserial-5", "cu.usbserial-6", "cu.usbserial-7"};
    for (const int port : {0, -1, 7}) {
        EXPECT_EQ(WindowsDeviceForPort(port), std::nullopt) << port;
        EXPECT_EQ(LinuxDeviceForPort(port, everything), std::nullopt) << port;
        EXPECT_EQ(MacDeviceForPort(port, dev), std::nullopt) << port;
        EXPECT_EQ(SystemDeviceForPort(port), std::nullopt) << port;
    }
}

} // namespace
} // namespace zg
