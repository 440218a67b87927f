#include "device/CommPortDevice.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

SerialPortEntry usb(const std::string& name) {
    return {.name = name,
            .location = "/dev/" + name,
            .description = "FT232R USB UART",
            .manufacturer = "FTDI",
            .hasHardwareIds = true};
}

SerialPortEntry builtIn(const std::string& name, bool uartReported = false) {
    return {.name = name, .location = "/dev/" + name, .uartReported = uartReported};
}

std::vector<std::string> locations(const std::vector<SerialPortEntry>& entries) {
    std::vector<std::string> paths;
    paths.reserve(entries.size());
    for (const SerialPortEntry& entry : entries)
        paths.push_back(entry.location);
    return paths;
}

TEST(CommPortDevice, LinuxNumbersUsbAdaptersInNameOrderThenRealBuiltInPorts) {
    SerialPortEntry pciCard = builtIn("ttyS4");
    pciCard.manufacturer = "Moschip";
    const std::vector<SerialPortEntry> present{builtIn("ttyS1"), builtIn("ttyS0", true), usb("ttyUSB10"),
                                               pciCard,          usb("ttyACM0"),         usb("ttyUSB2"),
                                               builtIn("ttyS2")};
    EXPECT_EQ(locations(LinuxNumberedPorts(present)),
              (std::vector<std::string>{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0",
                                        "/dev/ttyS4"}));
}

TEST(CommPortDevice, NumberBeyondTheDevicesFoundNamesNoneButCountsThem) {
    const std::vector<SerialPortEntry> numbered{usb("ttyUSB0"), usb("ttyUSB1")};
    const PortLookup second = NumberedPortLookup(2, numbered);
    ASSERT_TRUE(second.device);
    EXPECT_EQ(second.device->location, "/dev/ttyUSB1");
    const PortLookup third = NumberedPortLookup(3, numbered);
    EXPECT_FALSE(third.device);
    EXPECT_EQ(third.devicesFound, 2);
    EXPECT_FALSE(NumberedPortLookup(1, LinuxNumberedPorts({builtIn("ttyS0")})).device);
}

TEST(CommPortDevice, MacTakesTheNthCableDeviceInNameOrder) {
    std::vector<SerialPortEntry> present;
    for (const char* name : {"tty.usbserial-A1", "cu.usbmodem1411", "cu.Bluetooth-Incoming-Port",
                             "cu.usbserial-B2", "cu.usbserial-A1"})
        present.push_back({.name = name, .location = std::string("/dev/") + name});
    EXPECT_EQ(
        locations(MacNumberedPorts(present)),
        (std::vector<std::string>{"/dev/cu.usbmodem1411", "/dev/cu.usbserial-A1", "/dev/cu.usbserial-B2"}));
}

TEST(CommPortDevice, WindowsNamesComNAndItsDescriptionWhenListed) {
    const std::vector<SerialPortEntry> present{
        {.name = "COM3", .location = "\\\\.\\COM3", .description = "USB Serial Port"}};
    EXPECT_EQ(WindowsPortLookup(3, present).device.value().description, "USB Serial Port");
    EXPECT_EQ(WindowsPortLookup(3, present).device.value().location, "COM3"); // as Windows users know it
    EXPECT_EQ(WindowsPortLookup(6, present).device.value().location, "COM6");
}

TEST(CommPortDevice, NumbersOutsideOneToSixNameNoDeviceOnAnyPlatform) {
    std::vector<SerialPortEntry> seven;
    seven.reserve(7);
    for (int index = 0; index < 7; ++index)
        seven.push_back(usb("ttyUSB" + std::to_string(index)));
    for (const int port : {0, -1, 7}) {
        EXPECT_FALSE(WindowsPortLookup(port, seven).device) << port;
        EXPECT_FALSE(NumberedPortLookup(port, seven).device) << port;
        EXPECT_FALSE(SystemPortLookup(port).device) << port;
    }
}

TEST(CommPortDevice, DeviceOverrideNamesItsPathForEveryNumber) {
    const PortResolver resolver = DeviceOverride("/dev/pts/7");
    for (const int port : {0, 1, 6})
        EXPECT_EQ(resolver(port).device.value().location, "/dev/pts/7") << port;
}

} // namespace
} // namespace zg
