#include "device/LineSettings.h"

#include <gtest/gtest.h>

namespace zg {
namespace {

TEST(LineSettings, ReadsSpeedParityDataAndStopBits) {
    const auto download = LineSettings::Parse(kDownloadLineSettings);
    ASSERT_TRUE(download);
    EXPECT_EQ(download->baudRate, 2400);
    EXPECT_EQ(download->parity, Parity::None);
    EXPECT_EQ(download->dataBits, 8);
    EXPECT_EQ(download->stopBits, StopBits::One);

    const auto other = LineSettings::Parse("9600,E,7,1.5");
    ASSERT_TRUE(other);
    EXPECT_EQ(other->baudRate, 9600);
    EXPECT_EQ(other->parity, Parity::Even);
    EXPECT_EQ(other->dataBits, 7);
    EXPECT_EQ(other->stopBits, StopBits::OneAndHalf);
    EXPECT_EQ(LineSettings::Parse("300,o,5,2")->stopBits, StopBits::Two);
}

TEST(LineSettings, RefusesWhatIsNotFourValidFields) {
    for (const char* text :
         {"", "2400", "2400,n,8", "2400,n,8,1,", "2400,n,8,1,x", "2400,x,8,1", "2400,n,9,1", "2400,n,4,1",
          "2400,n,8,3", "0,n,8,1", "-2400,n,8,1", "fast,n,8,1", "2400 ,n,8,1", "2400,no,8,1"})
        EXPECT_FALSE(LineSettings::Parse(text)) << '"' << text << '"';
}

} // namespace
} // namespace zg
