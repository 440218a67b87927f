#include "device/DeviceOption.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

using Args = std::vector<std::string>;

TEST(DeviceOption, TakesThePathInEitherFormAndLeavesTheRest) {
    const DeviceOption spaced =
        ParseDeviceOption({"zelta-glow", "-style", "fusion", "--device", "/dev/ttyUSB3"});
    EXPECT_EQ(spaced.device, "/dev/ttyUSB3");
    EXPECT_EQ(spaced.rest, (Args{"zelta-glow", "-style", "fusion"}));
    EXPECT_TRUE(spaced.error.empty());

    const DeviceOption joined = ParseDeviceOption({"zelta-glow", "--device=/dev/pts/4", "-platform", "xcb"});
    EXPECT_EQ(joined.device, "/dev/pts/4");
    EXPECT_EQ(joined.rest, (Args{"zelta-glow", "-platform", "xcb"}));
}

TEST(DeviceOption, WithoutTheOptionNothingChanges) {
    const DeviceOption plain = ParseDeviceOption({"zelta-glow", "-reverse"});
    EXPECT_FALSE(plain.device);
    EXPECT_EQ(plain.rest, (Args{"zelta-glow", "-reverse"}));
}

TEST(DeviceOption, MissingPathIsAnError) {
    EXPECT_FALSE(ParseDeviceOption({"zelta-glow", "--device"}).error.empty());
    EXPECT_FALSE(ParseDeviceOption({"zelta-glow", "--device="}).error.empty());
}

} // namespace
} // namespace zg
