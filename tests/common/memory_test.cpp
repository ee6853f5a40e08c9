#include <gtest/gtest.h>

#include "common/memory.h"
#include "common/switches.h"

TEST(Memory, PooledRefillsEvery20000EightByteBlocks) {
  GCresetSwitches();
  GCmemInit();
  OwnMemory = 1;
  for (int i = 0; i < 20000; ++i) GCmalloc(8);
  EXPECT_EQ(GCpoolRefills(8), 1);
  GCmalloc(8);
  EXPECT_EQ(GCpoolRefills(8), 2);
}

TEST(Memory, StringHelpers) {
  EXPECT_EQ(GCstrlen(nullptr), 0u);
  EXPECT_EQ(GCstrlen("abc"), 4u);
  EXPECT_EQ(GCstrcpy(nullptr), nullptr);
  GCfree(nullptr, 10);
  EXPECT_DEATH(GCstrcmp(nullptr, "a"), "Can't compare null strings");
}
