#include "files/ConfigFile.h"
#include <gtest/gtest.h>
TEST(ConfigFile, Placeholder) { EXPECT_EQ(zg::ParseConfigPort("3\r\n"), 3); }
