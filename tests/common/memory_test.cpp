#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "common/memory.h"
#include "common/reserved_range.h"
#include "common/switches.h"

namespace {
class Memory : public testing::Test {
 protected:
  void SetUp() override {
    GCresetSwitches();
    GCmemInit();
  }
  void TearDown() override { GCresetSwitches(); }
  static bool allZero(const void* p, size_t n) {
    const unsigned char* c = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i)
      if (c[i]) return false;
    return true;
  }
};
}  // namespace

TEST_F(Memory, RefillSizesOfTheFivePools) {
  OwnMemory = 1;
  Statistic = 1;
  testing::internal::CaptureStderr();
  GCmalloc(40);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "***** Alloc 2000 x 40 memory from OS *****\n")
      << "each refill is reported";
  Statistic = 0;
  GCmemInit();
  struct {
    size_t size;
    int refill;
  } pools[] = {{8, 20000}, {20, 20000}, {24, 20000}, {40, 2000}, {44, 40000}};
  for (auto p : pools) {
    std::set<void*> distinct;
    for (int i = 0; i < p.refill; ++i) distinct.insert(GCmalloc(p.size));
    EXPECT_EQ(distinct.size(), static_cast<size_t>(p.refill));
    EXPECT_EQ(GCpoolRefills(p.size), 1) << p.size;
    GCmalloc(p.size);
    EXPECT_EQ(GCpoolRefills(p.size), 2) << p.size;
  }
  EXPECT_EQ(GCpoolRefills(16), 0) << "other sizes are not pooled";
}

TEST_F(Memory, PooledBlocksComeBackZeroedAndAreReusedLastInFirstOut) {
  OwnMemory = 1;
  char* a = static_cast<char*>(GCmalloc(20));
  char* b = static_cast<char*>(GCmalloc(20));
  EXPECT_TRUE(allZero(a, 20));
  EXPECT_EQ(b, a + 20) << "a refill is one array of blocks";
  memset(a, 0x5a, 20);
  GCfree(a, 20);
  char* c = static_cast<char*>(GCmalloc(20));
  EXPECT_EQ(c, a);
  EXPECT_TRUE(allZero(c, 20)) << "the link word is cleared too";
  GCfree(nullptr, 20);
  GCfree(b, 20);
  GCfree(c, 20);
  EXPECT_EQ(GCmalloc(20), c);
  EXPECT_EQ(GCmalloc(20), b);
  EXPECT_EQ(GCpoolRefills(20), 1);
}

// Rectangle-sized blocks without the pools: dense, zero-filled, and safe to
// free under any size (a string shortened in place is freed by its new length).
TEST_F(Memory, RectangleSizedBlocksComeBackZeroedWhateverSizeTheyAreFreedWith) {
  std::vector<char*> blocks;
  for (int i = 0; i < 100000; ++i) blocks.push_back(static_cast<char*>(GCmalloc(24)));
  for (char* b : blocks) {
    ASSERT_TRUE(allZero(b, 24));
    memset(b, 0x5a, 24);
  }
  char* shortened = blocks[7];
  shortened[3] = '\0';
  GCstrfree(shortened);  // frees 4 bytes' worth of a 24-byte block
  GCfree(blocks[8], 24);
  char* again = static_cast<char*>(GCmalloc(24));
  char* twice = static_cast<char*>(GCmalloc(24));
  EXPECT_TRUE(allZero(again, 24));
  EXPECT_TRUE(allZero(twice, 24));
#ifndef GC_SANITIZED
  EXPECT_EQ(again, blocks[8]);
  EXPECT_EQ(twice, blocks[7]);
  EXPECT_EQ(blocks[1], blocks[0] + 24) << "no header between blocks";
  // Switching the pools on later: earlier blocks still go home to their range.
  OwnMemory = 1;
  GCfree(again, 24);
  GCfree(blocks[9], 24);
  OwnMemory = 0;
  EXPECT_EQ(GCmalloc(24), blocks[9]);
  EXPECT_EQ(GCmalloc(24), again);
#endif
  GCfree(again, 24);
  GCfree(blocks[9], 24);
  GCfree(twice, 24);
  for (size_t i = 10; i < blocks.size(); ++i) GCfree(blocks[i], 24);
  for (size_t i = 0; i < 7; ++i) GCfree(blocks[i], 24);
}

TEST_F(Memory, AccountingCountsRequestsBySize) {
  Statistic = 1;
  void* a = GCmalloc(12);
  void* b = GCmalloc(12);
  void* c = GCmalloc(127);
  void* d = GCmalloc(5000);
  EXPECT_EQ(GCsizeAccount(12), 2);
  EXPECT_EQ(GCsizeAccount(127), 2) << "127 and above share the last counter";
  GCfree(a, 12);
  GCfree(d, 5000);
  EXPECT_EQ(GCsizeAccount(12), 1);
  EXPECT_EQ(GCsizeAccount(200), 1);
  GCfree(b, 12);
  GCfree(c, 127);
  EXPECT_EQ(GCsizeAccount(12), 0);
}

TEST_F(Memory, StringLengthCountsTheTerminatorAndNullComparisonIsFatal) {
  EXPECT_EQ(GCstrlen(nullptr), 0u);
  EXPECT_EQ(GCstrlen("abc"), 4u);
  EXPECT_EQ(GCstrcpy(nullptr), nullptr);
  EXPECT_EXIT(GCstrcmp("a", nullptr), testing::ExitedWithCode(1), "Fatal: Can't compare null strings\\.");
}

#if !defined(__SANITIZE_ADDRESS__)
// (The sanitizer build's allocator aborts on such requests before GCmalloc can report.)
TEST_F(Memory, AllocationFailureIsFatal) {
  EXPECT_EXIT(GCmalloc(static_cast<size_t>(1) << 62), testing::ExitedWithCode(1), "Fatal: Memory allocation failed\\.");
  EXPECT_EXIT(GCballoc(static_cast<size_t>(1) << 40, static_cast<size_t>(1) << 22), testing::ExitedWithCode(1),
              "Fatal: Malloc failed\\.");
}
#endif
