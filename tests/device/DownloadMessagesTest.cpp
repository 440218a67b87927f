#include "device/DownloadMessages.h"

#include <gtest/gtest.h>

#include <chrono>

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

TEST(DownloadMessages, TransferFailureTellsHowManyItemsLeftTheLastOneHowLongAndWhatToDo) {
    using std::chrono::milliseconds;
    DownloadResult result{DownloadStatus::Failed, 17,
                          LinkError{LinkErrorKind::Io, "/dev/ttyUSB0", "Input/output error"},
                          milliseconds(1460)};
    std::string text = TransferFailureMessage(result);
    EXPECT_TRUE(Contains(text, "after 17 of 56 items were sent to /dev/ttyUSB0, 1.5 s after it began"));
    EXPECT_TRUE(Contains(text, "the last to leave was item 17 (event 17)"));
    EXPECT_TRUE(Contains(text, "Input/output error"));
    EXPECT_TRUE(Contains(text, "Plug the cable in again"));
    result.itemsSent = 51;
    EXPECT_TRUE(Contains(TransferFailureMessage(result), "item 51 (the servo mode of LED#1)"));
    result.itemsSent = 55;
    EXPECT_TRUE(Contains(TransferFailureMessage(result), "item 55 (the sequencer delay)"));
    result.itemsSent = 0;
    EXPECT_TRUE(Contains(TransferFailureMessage(result), "before the first item was sent to /dev/ttyUSB0"));

    const DownloadResult done{DownloadStatus::Completed, 56, {}, milliseconds(3349)};
    EXPECT_EQ(TransferDoneText(done, "/dev/ttyUSB0"), "Sent 56 items to /dev/ttyUSB0 in 3.3 s.");
}

TEST(DownloadMessages, WhatWasFoundOnTheSystemReplacesTheGeneralAdvice) {
    const LinkError busy{LinkErrorKind::InUse, "/dev/ttyUSB0", "Device or resource busy"};
    const std::string found = "/dev/ttyUSB0 is in use by minicom (process 4242).";
    const std::string text = OpenFailureMessage(1, busy, true, found);
    EXPECT_TRUE(Contains(text, "Device or resource busy"));
    EXPECT_TRUE(Contains(text, found));
    EXPECT_FALSE(Contains(text, "Another program is using the port"));
    EXPECT_TRUE(Contains(OpenFailureMessage(1, {LinkErrorKind::NoDevice, "", "", 0}, true, found), found));
}

} // namespace
} // namespace zg
