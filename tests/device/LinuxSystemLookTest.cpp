#include "device/LinuxSystemLook.h"
#include "device/PortListing.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <grp.h>
#include <unistd.h>

namespace zg {
namespace {

bool has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The look at this machine itself: what it reads must be what the system says.
TEST(LinuxSystemLook, ReadsDevicesGroupsPackagesAndProcessesOfThisMachine) {
    const LinuxSystemLook system;
    const DeviceAccess null = system.access("/dev/null");
    EXPECT_TRUE(null.exists);
    EXPECT_TRUE(null.mayReadWrite);
    EXPECT_FALSE(null.group.empty());
    EXPECT_FALSE(system.access("/dev/zelta-glow-no-such-device").exists);

    const group* own = ::getgrgid(::getegid());
    ASSERT_NE(own, nullptr);
    EXPECT_TRUE(has(system.sessionGroups(), own->gr_name));
    EXPECT_FALSE(system.accountGroups().empty());

    if (std::ifstream("/var/lib/dpkg/status")) {
        EXPECT_TRUE(system.packageInstalled("dpkg"));
    }
    EXPECT_FALSE(system.packageInstalled("zelta-glow-no-such-package"));

    QProcess sleeper;
    sleeper.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(sleeper.waitForStarted());
    EXPECT_TRUE(system.serviceRunning("sleep"));
    sleeper.kill();
    sleeper.waitForFinished();
    EXPECT_FALSE(system.serviceRunning("zelta-glow-no-such-service"));
    EXPECT_FALSE(system.modemManagerIgnores("/dev/null")); // udev marks no such thing on it
    for (const UsbSerialDevice& usb : system.usbDevices())
        EXPECT_NE(usb.vendorId, 0); // whatever is plugged in here, it was read whole
}

TEST(LinuxSystemLook, LockFilesAreNamedAsQtAndLockdevNameThem) {
    const auto files = LockFilesFor("/dev/ttyUSB0");
    EXPECT_TRUE(has(files, "/var/lock/LCK..ttyUSB0"));
    EXPECT_TRUE(has(files, "/run/lock/LCK..ttyUSB0"));
    EXPECT_TRUE(has(LockFilesFor("/dev/pts/3"), "/var/lock/LCK..pts_3"));
    EXPECT_TRUE(has(LockFilesFor("/tmp/cable"), "/var/lock/LCK.._tmp_cable"));
}

// --list-ports --device checks what it was given: a missing path, /dev/null, a folder or a data
// file are said as such, with what to do; a pseudo-terminal is a serial line.
TEST(LinuxSystemLook, WhatDeviceGivesIsListedWithWhatItIs) {
    const LinuxSystemLook system;
    const std::string folder = ::testing::TempDir();
    const std::string dataFile = folder + "/pattern.DAT";
    std::ofstream(dataFile) << "\"0\"\r\n";
    const std::vector<std::pair<std::string, std::string>> cases{
        {"/dev/zelta-glow-no-such-device", "does not exist: check the path given with --device"},
        {"/dev/null", "is not a serial device"},
        {folder, "is not a serial device"},
        {dataFile, "is not a serial device"}};
    for (const auto& [path, says] : cases) {
        const auto lines = PortListing(DeviceOverride(path), system);
        ASSERT_GE(lines.size(), 2u) << path;
        EXPECT_NE(lines[1].find(says), std::string::npos) << path << ": " << lines[1];
    }
    EXPECT_EQ(system.kind("/dev/ptmx"), DeviceKind::Serial); // a tty class device
}

} // namespace
} // namespace zg
