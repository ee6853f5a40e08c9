// The exact tile sets of the small cases every later module relies on.
#include "plane_fixture.h"

namespace {
constexpr long I = GC_INFINITY;
constexpr unsigned short SP = CS_SPACE;
}  // namespace

TEST_F(PlaneTest, EmptyPlaneIsOneSpaceTileInsideEightFrameTiles) {
  _Dtile* c = DlayerTile[0].layertile;
  EXPECT_EQ(rectOf(c), (TileRect{-I, -I, I, I, SP}));
  EXPECT_EQ(rectOf(c->bl), (TileRect{-I - 1, -I, -I, I, CS_FRAME}));
  EXPECT_EQ(rectOf(c->tr), (TileRect{I, -I, I + 1, I, CS_FRAME}));
  EXPECT_EQ(rectOf(c->rt), (TileRect{-I, I, I, I + 1, CS_FRAME}));
  EXPECT_EQ(rectOf(c->lb), (TileRect{-I, -I - 1, I, -I, CS_FRAME}));
  EXPECT_EQ(c->rt->bl->x1, -I - 1);
  EXPECT_EQ(c->lb->tr->x1, I);
  EXPECT_EQ(CheckAll(), 0);
}

TEST_F(PlaneTest, OneRectangleMakesFiveTilesAndCoincidentEdgesNoExtraSplits) {
  _Dtile* t = put(10, 20, 30, 50);
  EXPECT_EQ(rectOf(t), (TileRect{10, 20, 30, 50, 1}));
  EXPECT_EQ(TileLayer(t), &DlayerTile[0]);
  std::set<TileRect> want = {{-I, -I, 10, I, SP}, {30, -I, I, I, SP}, {10, 50, 30, I, SP},
                             {10, -I, 30, 20, SP}, {10, 20, 30, 50, 1}};
  EXPECT_EQ(innerRects(), want);
  put(10, 50, 30, 60);  // fills the space tile above over its full width
  want.erase({10, 50, 30, I, SP});
  want.insert({{10, 50, 30, 60, 1}, {10, 60, 30, I, SP}});
  EXPECT_EQ(innerRects(), want);
  // Abutting on the right: the strip there is cut at 40 only; the space
  // pieces above and below stay apart from those of the first column.
  put(30, 20, 40, 50);
  want.erase({30, -I, I, I, SP});
  want.insert({{30, -I, 40, 20, SP}, {30, 20, 40, 50, 1}, {30, 50, 40, I, SP}, {40, -I, I, I, SP}});
  EXPECT_EQ(innerRects(), want);
  EXPECT_EQ(CheckAll(), 0);
}

TEST_F(PlaneTest, SplitOnOwnEdgeIsReportedAndChangesNothing) {
  _Dtile* t = put(10, 20, 30, 50);
  std::set<TileRect> before = innerRects();
  _Dtile* fresh = nullptr;
  TileSplit(t, _points{10, 30, nullptr}, CS_CUT_VERTICAL, &fresh, 1);
  EXPECT_STREQ(GClastMessage(), "Fatal: cutline x-coordiate is not inside the target tile.");
  TileSplit(t, _points{15, 50, nullptr}, CS_CUT_HORIZONTAL, &fresh, 1);
  EXPECT_STREQ(GClastMessage(), "Fatal: cutline y-coordinate is not inside the target tile.");
  TileSplit(nullptr, _points{15, 30, nullptr}, CS_CUT_HORIZONTAL, &fresh, 1);
  EXPECT_STREQ(GClastMessage(), "Fatal: target tile does not exist.");
  EXPECT_EQ(fresh, nullptr);
  EXPECT_EQ(innerRects(), before);
}

TEST_F(PlaneTest, SplitHalvesKeepOrDropTheNet) {
  _Dtile* t = put(10, 20, 30, 50);
  t->node = 7;
  _Dtile* right = nullptr;
  TileSplit(t, _points{18, 0, nullptr}, CS_CUT_VERTICAL, &right, 1);
  EXPECT_EQ(rectOf(t), (TileRect{10, 20, 18, 50, 1}));
  EXPECT_EQ(rectOf(right), (TileRect{18, 20, 30, 50, 1}));
  EXPECT_EQ(right->node, 7);
  _Dtile* up = nullptr;
  TileSplit(right, _points{0, 33, nullptr}, CS_CUT_HORIZONTAL, &up, 0);
  EXPECT_EQ(rectOf(up), (TileRect{18, 33, 30, 50, 1}));
  EXPECT_EQ(up->node, -1);
  EXPECT_EQ(CheckAll(), 0);
}

TEST_F(PlaneTest, NeighbourListsComeOutInTheirFixedOrder) {
  // Three rectangles stacked on the right of a tall one.
  _Dtile* tall = put(0, 0, 10, 30);
  put(10, 0, 20, 10, 2);
  put(10, 20, 20, 30, 2);
  _Dtilelist* right = nullptr;
  Neighbor(tall, &right, CS_SIDE_RIGHT, 0);
  std::vector<long> ys;
  for (_Dtile* t : listed(right)) ys.push_back(t->y1);
  EXPECT_EQ(ys, (std::vector<long>{0, 10, 20}));  // bottom to top
  FreeList(right);
  _Dtile* space = tall->tr->lb;                      // the gap between the two small ones
  EXPECT_EQ(rectOf(space), (TileRect{10, 10, 20, 20, SP}));
  _Dtilelist* left = nullptr;
  Neighbor(space, &left, CS_SIDE_LEFT, 0);
  ASSERT_EQ(listed(left).size(), 1u);
  EXPECT_EQ(listed(left)[0], tall);
  FreeList(left);
  Neighbor(space, &left, CS_SIDE_LEFT, 1);  // the tall one sticks out: strict drops it
  EXPECT_EQ(left, nullptr);
}

TEST(PlaneFatal, BrokenStitchEndsTheProgram) {
  CSreset();
  _Dtile* c = Init1LayerCS();
  c->bl = nullptr;  // the centre loses its left stitch
  Stitch = c;
  EXPECT_EXIT(PointFind(-I, 0), ::testing::ExitedWithCode(1), "Fatal: CS error Tile: 31 -1073741823");
}

TEST_F(PlaneTest, ChecksFindBrokenStitchesAndNegativeNodes) {
  ASSERT_NE(freopen("/dev/null", "r", stdin), nullptr);  // the check waits for a key per finding
  _Dtile* a = put(10, 20, 30, 50);
  _Dtile* b = put(100, 20, 130, 50);
  EXPECT_EQ(CheckCurrent(a), 0);
  _Dtile* saved = a->lb;
  a->lb = b;  // a stitch pointing at a tile that is not below
  EXPECT_GT(CheckCurrent(a), 0);
  a->lb = saved;
  EXPECT_EQ(Check1Layer(DlayerTile[0].layertile), 0);
  // Negative nets are looked for in every plane but the first.
  DlayerNum = 2;
  DlayerTile[1].layertile = Init1LayerCS();
  Stitch = DlayerTile[1].layertile;
  _rects r{0, 0, 10, 10, nullptr};
  _Dtile* t = Put1BoxCS(&r, 2, 1);
  DlayerTile[1].layertile = Stitch;
  a->node = -1;
  EXPECT_EQ(CheckAllNode(), 0);
  t->node = -1;
  testing::internal::CaptureStdout();
  EXPECT_EQ(CheckAllNode(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "negative node : -1.\n");
  EXPECT_STREQ(GClastMessage(), "Message: No negative node is found.");
  DlayerTile[1].layertile = nullptr;
  EXPECT_EQ(CheckAll(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: CS structure not ready.");
}
