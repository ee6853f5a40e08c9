// The fields kept beside the tile record: made on first write, carried by no
// one else, and gone with the tile, with a merge and with the planes.
#include <cstring>

#include "plane_fixture.h"

TEST_F(PlaneTest, ColdFieldsAreMadeOnFirstWriteAndGoWithTheTile) {
  _Dtile* a = put(10, 20, 30, 50);
  EXPECT_EQ(CStileCold(a), nullptr);
  _DtileCold& c = CStileColdMake(a);
  EXPECT_STREQ(c.nodename, "");
  snprintf(c.nodename, sizeof c.nodename, "%s", "VDD");
  EXPECT_EQ(&CStileColdMake(a), &c);
  EXPECT_STREQ(CStileCold(a)->nodename, "VDD");
  EXPECT_EQ(CStileCold(put(40, 60, 60, 70)), nullptr);
  EXPECT_EQ(CScoldTiles(), 1);
  // A rectangle abutting on the right merges into one tile; the absorbed
  // tile's cold fields must not outlive it.
  CStileColdMake(put(30, 20, 40, 50));
  EXPECT_EQ(CheckAll(), 0);
  long live = 0;
  for (_Dtile* t : flood(DlayerTile[0].layertile))
    if (CStileCold(t)) ++live;
  EXPECT_EQ(CScoldTiles(), live);
  CSreset();
  EXPECT_EQ(CScoldTiles(), 0);
}
