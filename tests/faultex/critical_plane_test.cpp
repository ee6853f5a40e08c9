// Critical rectangles unioned in a critical-area plane against the
// independent rectangle-union model: random bridge rectangles, overlapping in
// every way, must leave tiles whose net sets cover exactly the model's areas;
// and the fixed arrays of net sets and breaks are never overrun.
#include <gtest/gtest.h>

#include <random>

#include "cs/plane_fixture.h"
#include "faultex/critical_area.h"
#include "faultex/critical_plane.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/fault_lists.h"
#include "faultex/open_faults.h"
#include "rect_union.h"

namespace {
class CriticalPlaneTest : public PlaneTest {
 protected:
  void SetUp() override {
    PlaneTest::SetUp();
    DlayerTile[0].crittile = Init1LayerCS();
    DlayerTile[0].bordertile = DlayerTile[0].crittile->rt;
  }
  void TearDown() override {
    DFemptyCritical(0, [](void* record) { GCfree(record, sizeof(_Dfshort)); });
    PlaneTest::TearDown();
  }

  void put(long x1, long y1, long x2, long y2, int a, int b, short flag = 0) {
    _box r{x1, y1, x2, y2};
    Stitch = DlayerTile[0].crittile;
    DlayerTile[0].crittile = Put1CritCS(&r, a, b, flag);
  }

  // Area per net set of the critical tiles, and a check that no two overlap.
  static std::map<std::set<long>, long double> planeAreas() {
    std::map<std::set<long>, long double> areas;
    _Dtilelist* crit = DFcriticalTiles(0);
    for (_Dtilelist* c = crit; c; c = c->next) {
      const _Dfshort* s = c->tile->upper.record<const _Dfshort>();
      std::set<long> nets(s->nets, s->nets + s->nnets);
      EXPECT_TRUE(std::is_sorted(s->nets, s->nets + s->nnets));
      EXPECT_EQ(nets.size(), static_cast<size_t>(s->nnets));
      areas[nets] += static_cast<long double>(TileRight(c->tile) - c->tile->x1) *
                     static_cast<long double>(TileTop(c->tile) - c->tile->y1);
    }
    FreeList(crit);
    return areas;
  }
};
}  // namespace

TEST_F(CriticalPlaneTest, RandomBridgeRectanglesUnionPerNetSet) {
  std::mt19937 rng(7);
  for (int round = 0; round < 30; ++round) {
    std::vector<LabelledRect> model;
    const int n = 5 + round % 20;
    for (int i = 0; i < n; ++i) {
      long x1 = rng() % 40, y1 = rng() % 40;
      long x2 = x1 + 1 + rng() % 15, y2 = y1 + 1 + rng() % 15;
      int a = 1 + rng() % 6, b = 1 + rng() % 6;
      if (a == b) b = a + 1;
      put(x1 * 10, y1 * 10, x2 * 10, y2 * 10, a, b);
      model.push_back({x1 * 10, y1 * 10, x2 * 10, y2 * 10, {a, b}});
    }
    EXPECT_EQ(Check1Layer(DlayerTile[0].crittile), 0);
    EXPECT_EQ(planeAreas(), unionAreas(model)) << "round " << round;
    DFemptyCritical(0, [](void* r) { GCfree(r, sizeof(_Dfshort)); });
    EXPECT_EQ(DFcriticalTiles(0), nullptr);
  }
}

TEST_F(CriticalPlaneTest, ProcessedMarkSpreadsOverOverlapsOnly) {
  put(0, 0, 100, 100, 1, 2, 0);
  put(50, 0, 150, 100, 1, 3, 1);
  long unflagged = 0, flagged = 0;
  _Dtilelist* crit = DFcriticalTiles(0);
  for (_Dtilelist* c = crit; c; c = c->next) {
    long area = (TileRight(c->tile) - c->tile->x1) * (TileTop(c->tile) - c->tile->y1);
    (c->tile->processed ? flagged : unflagged) += area;
  }
  FreeList(crit);
  EXPECT_EQ(unflagged, 50 * 100);   // {1,2} alone
  EXPECT_EQ(flagged, 100 * 100);    // {1,2,3} and {1,3}
}

TEST_F(CriticalPlaneTest, MoreThanMaxNetsIsReportedAndSkipped) {
  GCresetMessages();
  for (int i = 0; i < 40; ++i) put(0, 0, 100, 100, 1, 2 + i);
  EXPECT_STREQ(GClastMessage(), "Warning: A fault causes MAXNETS too small, ignored.");
  auto areas = planeAreas();
  ASSERT_EQ(areas.size(), 1u);
  EXPECT_EQ(areas.begin()->first.size(), static_cast<size_t>(DF_MAXNETS));
}

// A net's terminal list stops at 31 terminals, so extraction never fills a
// break's arrays; the records guard them anyway: a part beyond the array and
// a part with more terminals than it holds are reported and give no record.
TEST(BreakRecord, OverflowingPartsAndTerminalsAreReportedAndSkipped) {
  std::vector<_Dtile> tiles(MAXNGATES + 2);
  std::vector<_Dtransistor> transistors(tiles.size());
  std::vector<_DtermList> terms(tiles.size());
  auto link = [&](size_t n) {
    for (size_t i = 0; i < n; ++i) {
      transistors[i].number = static_cast<int>(i + 1);
      terms[i] = {&transistors[i], &tiles[i], static_cast<int>(i + 1), 0, 0, i + 1 < n ? &terms[i + 1] : nullptr};
    }
  };
  link(MAXNPARTS + 1);
  for (int i = 0; i <= MAXNPARTS; ++i) tiles[static_cast<size_t>(i)].processed = static_cast<short>(i + 1);
  GCresetMessages();
  EXPECT_EQ(DFterm2Fault(&terms[0], MAXNPARTS + 1), nullptr);
  EXPECT_STREQ(GClastMessage(), "Warning: A fault causes MAXNPARTS too small, ignored.");

  link(tiles.size());
  for (_Dtile& t : tiles) t.processed = 1;
  tiles.back().processed = 2;
  GCresetMessages();
  const _Dfopen* o = DFterm2Fault(&terms[0], 2);
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->net, -1);
  EXPECT_STREQ(GClastMessage(), "Error: MAXNGATES too small, ignored.");
  FreeBreakList();
}
