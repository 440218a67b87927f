#include "model/LedSequence.h"
#include <gtest/gtest.h>
TEST(LedSequence, Placeholder2) { zg::LedSequence s; EXPECT_EQ(s.endEvent(), 49); }
