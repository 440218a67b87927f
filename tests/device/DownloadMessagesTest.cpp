#include "device/DownloadMessages.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

::testing::AssertionResult Contains(const std::string& text, const std::string& part) {
    if (text.find(part) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << '"' << part << "\" not in \"" << text << '"';
}

TEST(DownloadMessages, OpenFailureNamesDevicePortAndReason) {
    const LinkError missing{LinkErrorKind::NotFound, "/dev/ttyUSB2", "No such file or directory"};
    const std::string text = OpenFailureMessage(3, missing, true);
    EXPECT_TRUE(Contains(text, "/dev/ttyUSB2"));
    EXPECT_TRUE(Contains(text, "port 3"));
    EXPECT_TRUE(Contains(text, "No such file or directory"));
    EXPECT_FALSE(Contains(text, "dialout"));
}

TEST(DownloadMessages, OnlyALackOfPermissionOnLinuxSuggestsTheDialoutGroup) {
    const LinkError denied{LinkErrorKind::PermissionDenied, "/dev/ttyUSB0", "Permission denied"};
    const std::string onLinux = OpenFailureMessage(1, denied, true);
    EXPECT_TRUE(Contains(onLinux, "Permission denied"));
    EXPECT_TRUE(Contains(onLinux, "dialout"));
    EXPECT_TRUE(Contains(onLinux, "in again"));
    EXPECT_FALSE(Contains(OpenFailureMessage(1, denied, false), "dialout"));

    const LinkError busy{LinkErrorKind::InUse, "/dev/ttyUSB0", "Permission error while locking the device"};
    EXPECT_FALSE(Contains(OpenFailureMessage(1, busy, true), "dialout"));
}

TEST(DownloadMessages, PortNamingNoDeviceSaysHowManyThereAreAndToPlugInTheCable) {
    const LinkError none{LinkErrorKind::NoDevice, "", "no serial device", 2};
    const std::string text = OpenFailureMessage(3, none, true);
    EXPECT_EQ(text, NoDeviceMessage(3, 2));
    EXPECT_TRUE(Contains(text, "port 3"));
    EXPECT_TRUE(Contains(text, "(2 found)"));
    EXPECT_TRUE(Contains(text, "Plug in the programming cable"));
}

TEST(DownloadMessages, TransferFailureTellsHowManyItemsLeftAndWhy) {
    const DownloadResult result{DownloadStatus::Failed, 17,
                                LinkError{LinkErrorKind::Io, "/dev/ttyUSB0", "Input/output error"}};
    const std::string text = TransferFailureMessage(result);
    EXPECT_TRUE(Contains(text, "17 of 56"));
    EXPECT_TRUE(Contains(text, "/dev/ttyUSB0"));
    EXPECT_TRUE(Contains(text, "Input/output error"));
}

} // namespace
} // namespace zg
