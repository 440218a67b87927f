#include "device/PortFindings.h"
#include "FakeSystemLook.h"
#include "device/CableChips.h"
#include "device/CommPortDevice.h"
#include "device/PortListing.h"
#include "device/PortTooltip.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

using testing::FakeSystemLook;

const SerialPortEntry kCh340{
    .name = "ttyUSB0", .location = "/dev/ttyUSB0", .vendorId = 0x1a86, .productId = 0x7523};

::testing::AssertionResult Says(const std::vector<PortFinding>& findings, PortFindingKind kind,
                                const std::string& part, bool blocks) {
    for (const PortFinding& found : findings)
        if (found.kind == kind && found.blocks == blocks && found.text.find(part) != std::string::npos)
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << '"' << part << "\" not found in \"" << FindingsText(findings) << '"';
}

TEST(PortFindings, ALackOfPermissionGivesTheCommandOrTheAdviceToLogInAgain) {
    FakeSystemLook system;
    EXPECT_TRUE(DeviceFindings(kCh340, system).empty());
    system.deviceAccess.mayReadWrite = false;
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system), PortFindingKind::NoPermission,
                     "/dev/ttyUSB0: it belongs to the group 'dialout', which you are not in; join it with "
                     "\"sudo usermod -aG dialout $USER\"",
                     true));
    system.account.push_back("dialout"); // joined, but this session began before
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system), PortFindingKind::GroupNotYetInUse, "log out", true));
    system.session.push_back("dialout"); // in the group and still refused: the mode is wrong
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system), PortFindingKind::NoPermission, "ask whoever", true));
}

// Joining a group is advised only where that group may read and write the device, and never root:
// otherwise the device's access is said, with the udev rule and the chmod that give access.
TEST(PortFindings, AGroupIsAdvisedOnlyWhereItOpensTheDevice) {
    FakeSystemLook system;
    system.deviceAccess = {true, false, "root", "root", 0600};
    for (const DeviceAccess& access :
         {DeviceAccess{true, false, "root", "root", 0600}, DeviceAccess{true, false, "dialout", "root", 0600},
          DeviceAccess{true, false, "root", "root", 0660}}) {
        system.deviceAccess = access;
        const auto found = DeviceFindings(kCh340, system);
        EXPECT_EQ(FindingsText(found).find("usermod"), std::string::npos) << FindingsText(found);
        EXPECT_TRUE(
            Says(found, PortFindingKind::NoPermission, "KERNEL==\"ttyUSB0\", GROUP=\"dialout\"", true));
        EXPECT_TRUE(Says(found, PortFindingKind::NoPermission, "\"sudo chmod a+rw /dev/ttyUSB0\"", true));
    }
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system), PortFindingKind::NoPermission,
                     "root:root with the access 0660", true));
}

TEST(PortFindings, AHeldPortNamesItsHolderFromTheLockFileOrFromWhoHasItOpen) {
    FakeSystemLook system;
    system.users = {{77, "socat"}}; // open, but the port's own open succeeded: nothing to say
    EXPECT_TRUE(DeviceFindings(kCh340, system).empty());
    EXPECT_TRUE(
        Says(DeviceFindings(kCh340, system, true), PortFindingKind::HeldBy,
             "/dev/ttyUSB0 is in use by socat (process 77): close that program, or end it with \"kill 77\"",
             true));
    system.locked = ProcessInfo{4242, "minicom"};
    const auto found = DeviceFindings(kCh340, system);
    EXPECT_TRUE(Says(found, PortFindingKind::HeldBy, "minicom (process 4242)", true));
    EXPECT_EQ(FindingsText(found).find("socat"), std::string::npos);
    system.locked.reset();
    system.users.clear();
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system, true), PortFindingKind::HeldBy, "another program", true));
}

TEST(PortFindings, ModemManagerIsNamedWithTheUdevRuleForTheAdapterUnlessItIgnoresIt) {
    FakeSystemLook system;
    system.running = {"ModemManager"};
    EXPECT_TRUE(Says(DeviceFindings(kCh340, system), PortFindingKind::ModemManager,
                     "ATTRS{idVendor}==\"1a86\", ATTRS{idProduct}==\"7523\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"",
                     false));
    const SerialPortEntry builtIn{.name = "ttyS0", .location = "/dev/ttyS0"};
    EXPECT_TRUE(DeviceFindings(builtIn, system).empty());
    system.ignoredByModemManager = true;
    EXPECT_TRUE(DeviceFindings(kCh340, system).empty());
    system.ignoredByModemManager = false;
    system.running.clear();
    EXPECT_TRUE(DeviceFindings(kCh340, system).empty());
}

TEST(PortFindings, AdaptersWithoutAPortAreBlamedOnBrlttyOrTheirMissingDriver) {
    FakeSystemLook system;
    system.usb = {
        {0x1a86, 0x7523, false}, {0x0403, 0x6001, false}, {0x046d, 0xc52b, false}, {0x10c4, 0xea60, true}};
    auto found = SystemFindings(system);
    ASSERT_EQ(found.size(), 2u) << FindingsText(found);
    EXPECT_TRUE(Says(found, PortFindingKind::NoDriver, "CH340 USB serial adapter (1a86:7523)", true));
    EXPECT_TRUE(Says(found, PortFindingKind::NoDriver, "sudo modprobe ch341", true));
    EXPECT_TRUE(Says(found, PortFindingKind::NoDriver, "sudo modprobe ftdi_sio", true));

    system.installed = {"brltty"};
    found = SystemFindings(system);
    ASSERT_EQ(found.size(), 3u) << FindingsText(found);
    EXPECT_TRUE(
        Says(found, PortFindingKind::Brltty, "has taken the CH340 adapter plugged in (1a86:7523)", true));
    EXPECT_TRUE(Says(found, PortFindingKind::Brltty, "may take CP210x adapters", false));
    EXPECT_TRUE(Says(found, PortFindingKind::NoDriver, "ftdi_sio", true)); // brltty leaves FTDI alone
}

TEST(PortFindings, AdaptersAreNamedByTheirChipOrWhatTheSystemSaysOfThem) {
    EXPECT_EQ(AdapterName(kCh340), "CH340 USB serial adapter");
    EXPECT_EQ(AdapterName({.description = "FT230X Basic UART", .manufacturer = "FTDI"}),
              "FT230X Basic UART (FTDI)");
    EXPECT_EQ(AdapterName({.description = "FTDI cable", .manufacturer = "FTDI"}), "FTDI cable");
    EXPECT_EQ(AdapterName({.name = "ttyUSB1", .vendorId = 0x1234, .productId = 0x0056}),
              "USB serial adapter 1234:0056");
    EXPECT_EQ(AdapterName({.name = "ttyS0", .uartReported = true}), "built-in serial port");
    EXPECT_EQ(AdapterName({.name = "pts/3"}), "");
}

TEST(PortFindings, ThePortListSaysEachDeviceOnceWithItsFindingsOrThatThereIsNone) {
    FakeSystemLook system;
    system.usb = {{0x067b, 0x2303, false}};
    const auto none = PortListing([](int) { return PortLookup{std::nullopt, 0}; }, system);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[0], "No serial device is plugged in.");
    EXPECT_NE(none[1].find("PL2303"), std::string::npos) << none[1];

    system.usb.clear();
    system.running = {"ModemManager"};
    const auto one = PortListing(
        [](int port) {
            return port == 2 ? PortLookup{kCh340, 2} : PortLookup{std::nullopt, 2};
        },
        system);
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0], "Port 2: /dev/ttyUSB0, CH340 USB serial adapter");
    EXPECT_NE(one[1].find("  ModemManager is running"), std::string::npos) << one[1];
    // A holder without a lock file is found as the download finds it.
    system.running.clear();
    system.users = {{.pid = 4242, .name = "sleep"}};
    const auto held = PortListing(
        [](int port) {
            return port == 1 ? PortLookup{kCh340, 1} : PortLookup{};
        },
        system);
    ASSERT_EQ(held.size(), 2u);
    EXPECT_EQ(held[1], "  /dev/ttyUSB0 is in use by sleep (process 4242): close that program, or end it with "
                       "\"kill 4242\", and send again.");
    system.users.clear();

    const auto named = PortListing(DeviceOverride("/dev/pts/3"), FakeSystemLook{});
    ASSERT_EQ(named.size(), 1u);
    EXPECT_EQ(named[0], "Port 1: /dev/pts/3, given by --device");
}

// USB adapters often get COM7 or above on Windows, which no port number names: the tooltip of a
// number without a port, the port list and the download say where the cable is and what to do.
TEST(PortFindings, ACableOnAComPortAboveSixIsNamedWithTheWayToANumberItCanHave) {
    const std::vector<SerialPortEntry> present{
        {.name = "COM1", .location = "\\\\.\\COM1", .description = "Communications Port"},
        {.name = "COM10",
         .location = "\\\\.\\COM10",
         .description = "USB Serial Port",
         .manufacturer = "FTDI"},
        {.name = "COM9", .location = "\\\\.\\COM9"}};
    const PortLookup two = WindowsPortLookup(2, present);
    EXPECT_FALSE(two.deviceListed);
    const std::string tooltip = PortTooltip(2, two);
    EXPECT_TRUE(
        tooltip.starts_with("Port 2: COM2, which the system does not list now\n"
                            "COM9 has a number above 6: if the cable is on it, give it a number from 1 "
                            "to 6 in Device Manager (Ports (COM & LPT), COM9, Properties, Port Settings, "
                            "Advanced, COM Port Number), or start the program with --device COM9.\n"
                            "The adapter USB Serial Port (FTDI) is on COM10, a number above 6"))
        << tooltip;
    EXPECT_EQ(PortTooltip(1, WindowsPortLookup(1, present)), "Port 1: COM1, Communications Port");

    FakeSystemLook system;
    system.ports = present;
    const auto lines = PortListing([&](int port) { return WindowsPortLookup(port, present); }, system);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Port 1: COM1, Communications Port");
    EXPECT_TRUE(lines[1].starts_with("  COM9 has a number above 6")) << lines[1];
    EXPECT_TRUE(lines[2].starts_with("  The adapter USB Serial Port (FTDI) is on COM10")) << lines[2];
    system.ports.erase(system.ports.begin());
    EXPECT_EQ(PortListing([&](int port) { return WindowsPortLookup(port, system.ports); }, system)[0],
              "No serial device has a number from 1 to 6.");
    // Started with --device COM9, the download does not tell the user to do so.
    const auto downloading = SystemFindings(system, "\\\\.\\COM9");
    ASSERT_EQ(downloading.size(), 1u);
    EXPECT_EQ(downloading[0].kind, PortFindingKind::BeyondNumbers);
    EXPECT_FALSE(downloading[0].blocks);
    EXPECT_EQ(ComNumber("COM256"), 256);
    for (const char* name : {"COM", "COMx", "COM1a", "/dev/ttyS0", "com3"})
        EXPECT_FALSE(ComNumber(name)) << name;
}

} // namespace
} // namespace zg
