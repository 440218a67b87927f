#include "model/LedSequence.h"
#include <gtest/gtest.h>
TEST(LedSequence, Placeholder) { zg::LedSequence s; EXPECT_EQ(s.endEvent(), 49); }
