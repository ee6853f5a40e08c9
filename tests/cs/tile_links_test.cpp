// Tile links kept in 32 bits: contact lists, records of other stages hung on
// a link, and the guard against records from outside the tile pool.
#include "plane_fixture.h"

TEST_F(PlaneTest, RecordsHungOnLinksReadBackAndTheirSlotsAreReused) {
  _Dtile* a = put(10, 20, 30, 50);
  _Dtile* b = put(40, 60, 60, 70);
  long records[3] = {1, 2, 3};
  a->upper = reinterpret_cast<_Dtilelist*>(&records[0]);
  b->lower = reinterpret_cast<_Dtilelist*>(&records[1]);
  EXPECT_EQ(a->upper.record<long>(), &records[0]);
  EXPECT_EQ(*b->lower.record<long>(), 2);
  EXPECT_EQ(CSlinkSlotsInUse(), 2);
  // A copy is a link of its own: clearing the original leaves it.
  b->upper = a->upper;
  a->upper = nullptr;
  EXPECT_EQ(b->upper.record<long>(), &records[0]);
  EXPECT_EQ(a->upper, nullptr);
  EXPECT_EQ(CSlinkSlotsInUse(), 2);
  // Overwriting a record with a list keeps the list as it is.
  b->lower = TileToList(TileToList(nullptr, a), b);
  EXPECT_EQ(b->lower->tile, b);
  EXPECT_EQ(b->lower->next->tile, a);
  EXPECT_EQ(CSlinkSlotsInUse(), 1);
  for (int i = 0; i < 1000; ++i) a->lower = reinterpret_cast<_Dtilelist*>(&records[i % 3]);
  EXPECT_EQ(CSlinkSlotsInUse(), 2);
  FreeList(b->lower);
  b->lower = nullptr;
  CSreset();
  EXPECT_EQ(CSlinkSlotsInUse(), 0);
}

TEST_F(PlaneTest, ATileFromOutsideThePoolCanNotBeStitched) {
  _Dtile* a = put(10, 20, 30, 50);
  _Dtile outside{};
  EXPECT_EXIT(a->rt = &outside, ::testing::ExitedWithCode(1), "Tile record outside its pool");
}
