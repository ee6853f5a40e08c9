// The fields kept beside the tile record: made on first write, carried by no
// one else, and gone with the tile, with a merge and with the planes.
#include <cstring>

#include "plane_fixture.h"

TEST_F(PlaneTest, ColdFieldsAreMadeOnFirstWriteOnly) {
  _Dtile* t = put(10, 20, 30, 50);
  EXPECT_EQ(CStileCold(t), nullptr);
  EXPECT_EQ(CScoldTiles(), 0);
  _DtileCold& c = CStileColdMake(t);
  EXPECT_EQ(c.resize_cell, nullptr);
  EXPECT_STREQ(c.nodename, "");
  snprintf(c.nodename, sizeof c.nodename, "%s", "VDD");
  EXPECT_EQ(&CStileColdMake(t), &c);
  EXPECT_EQ(CStileCold(t), &c);
  EXPECT_STREQ(CStileCold(t)->nodename, "VDD");
  EXPECT_EQ(CScoldTiles(), 1);
  _Dtile* other = put(40, 20, 60, 50);
  EXPECT_EQ(CStileCold(other), nullptr);
}

TEST_F(PlaneTest, ColdFieldsGoWithTheTile) {
  _Dtile* a = put(10, 20, 30, 50);
  CStileColdMake(a).resize_cell_LR = reinterpret_cast<SQCELL_item*>(a);
  // A rectangle abutting on the right merges into one tile; the absorbed
  // tile's cold fields must not outlive it.
  _Dtile* b = put(30, 20, 40, 50);
  CStileColdMake(b);
  EXPECT_EQ(CheckAll(), 0);
  long live = 0;
  for (_Dtile* t : flood(DlayerTile[0].layertile))
    if (CStileCold(t)) ++live;
  EXPECT_EQ(CScoldTiles(), live);
  CSreset();
  EXPECT_EQ(CScoldTiles(), 0);
}

TEST_F(PlaneTest, PlaneIndexStandsForThePlane) {
  _Dtile* t = put(10, 20, 30, 50);
  EXPECT_EQ(TileLayer(t), &DlayerTile[0]);
  TileSetLayer(t, nullptr);
  EXPECT_EQ(TileLayer(t), nullptr);
  TileSetLayer(t, &DlayerTile[CS_MAX_PLANES - 1]);
  EXPECT_EQ(TileLayer(t), &DlayerTile[CS_MAX_PLANES - 1]);
  TileSetLayer(t, &DlayerTile[0]);
}
