#include "device/PortTooltip.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

TEST(PortTooltip, NamesTheDeviceWithItsMakerAndProduct) {
    const PortLookup lookup{SerialPortEntry{.name = "ttyUSB0",
                                            .location = "/dev/ttyUSB0",
                                            .description = "FT232R USB UART",
                                            .manufacturer = "FTDI"},
                            1};
    EXPECT_EQ(PortTooltip(1, lookup), "Port 1: /dev/ttyUSB0, FT232R USB UART (FTDI)");
    const PortLookup bare{SerialPortEntry{.name = "ttyS0", .location = "/dev/ttyS0"}, 2};
    EXPECT_EQ(PortTooltip(2, bare), "Port 2: /dev/ttyS0, built-in serial port");
    const PortLookup pty{SerialPortEntry{.name = "pts/4", .location = "/dev/pts/4"}, 1};
    EXPECT_EQ(PortTooltip(1, pty), "Port 1: /dev/pts/4");
}

TEST(PortTooltip, NumberWithoutDeviceSaysSoAndHowManyThereAre) {
    EXPECT_EQ(PortTooltip(3, PortLookup{std::nullopt, 2}),
              "Port 3: no serial device is plugged in for this number (2 found)");
}

} // namespace
} // namespace zg
