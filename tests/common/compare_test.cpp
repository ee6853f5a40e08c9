#include <gtest/gtest.h>

#include "common/compare.h"

TEST(Compare, ToleranceOfTenUnits) {
  EXPECT_TRUE(GCequal(100, 109));
  EXPECT_TRUE(GCequal(109, 100));
  EXPECT_FALSE(GCequal(100, 110));
  EXPECT_TRUE(GCgreat(111, 100));
  EXPECT_FALSE(GCgreat(110, 100));
  EXPECT_TRUE(GCsmall(100, 111));
  EXPECT_FALSE(GCsmall(100, 110));
  EXPECT_FALSE(GCsmall(111, 100));
}
