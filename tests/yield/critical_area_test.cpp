// Critical areas and sensitivity sweeps on planes built here, against a
// separate model: the area where the nets' rectangles, grown by half the
// defect size, overlap for at least two different nets (the rectangle-union
// model of the fault tests, by coordinate compression).
#include <random>
#include <vector>

#include "yield/critical_area.h"
#include "yield/sensitivity_sweep.h"
#include "yield/yield_fixture.h"
#include "yield/yield_formulas.h"

namespace {
// A rectangle labelled with its one net.
using NetRect = LabelledRect;

class CriticalAreaTest : public YieldTest {
 protected:
  // Plane 0 (the active layer, empty here) and plane 1 holding the layer under test.
  void SetUp() override {
    YieldTest::SetUp();
    DlayerNum = 2;
    for (int p = 0; p < 2; ++p) {
      DlayerTile[p].layer = static_cast<short>(p + 1);
      DlayerTile[p].layertile = Init1LayerCS();
      DlayerTile[p].crittile = Init1LayerCS();
      DlayerTile[p].bordertile = DlayerTile[p].crittile->rt;
    }
  }

  void build(const std::vector<NetRect>& rects) {
    for (auto& r : rects) {
      _rects box = GCrectOf(r.x1, r.y1, r.x2, r.y2);
      Stitch = DlayerTile[1].layertile;
      Put1BoxCS(&box, 2, 1);
      DlayerTile[1].layertile = Stitch;
    }
    // Nets as an extraction would number them: every solid tile gets the
    // net of the rectangle holding its lower-left corner.
    Stitch = DlayerTile[1].layertile;
    _Dtilelist* all = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
    for (_Dtilelist* c = all; c; c = c->next)
      for (auto& r : rects)
        if (TisSolid(c->tile) && r.x1 <= c->tile->x1 && c->tile->x1 < r.x2 && r.y1 <= c->tile->y1 &&
            c->tile->y1 < r.y2)
          c->tile->node = *r.nets.begin();
    FreeList(all);
  }
  // The layout area is plane 0's frame; both planes stay in the table.
  static void frame(long x1, long y1, long x2, long y2) { DlayerTile[0].frame = {x1, y1, x2, y2}; }
  static float micron2(double units2) { return static_cast<float>(units2 / (double(theGlobalScale) * theGlobalScale)); }
};

// Random non-touching rectangles of a few nets; rectangles of one net may overlap.
std::vector<NetRect> randomLayout(std::mt19937& rng, long unit) {
  std::vector<NetRect> rects;
  std::uniform_int_distribution<long> pos(0, 40), len(1, 8);
  std::uniform_int_distribution<int> net(1, 4);
  for (int tries = 0; rects.size() < 14 && tries < 400; ++tries) {
    NetRect r{pos(rng) * unit, pos(rng) * unit, 0, 0, {net(rng)}};
    r.x2 = r.x1 + len(rng) * unit, r.y2 = r.y1 + len(rng) * unit;
    bool ok = true;
    for (auto& o : rects)  // different nets keep at least one unit apart
      if (o.nets != r.nets && r.x1 < o.x2 + unit && o.x1 < r.x2 + unit && r.y1 < o.y2 + unit && o.y1 < r.y2 + unit)
        ok = false;
    if (ok) rects.push_back(r);
  }
  return rects;
}
}  // namespace

TEST_F(CriticalAreaTest, BridgeAreaIsWhereGrownNetsOverlap) {
  std::mt19937 rng(7);
  const long unit = theGlobalScale / 2;
  for (int layout = 0; layout < 6; ++layout) {
    SetUp();
    auto rects = randomLayout(rng, unit);
    build(rects);
    frame(-100 * unit, -100 * unit, 200 * unit, 200 * unit);
    for (long d : {0L, unit, 3 * unit, 5 * unit + 2, 12 * unit}) {
      float got = DYcritAreaS(1, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
      EXPECT_NEAR(got, micron2(bridgeArea(rects, d)), 1e-3 * (1 + got)) << "layout " << layout << " d " << d;
    }
    // Marks and the critical plane are left clean: the same call gives the same area.
    float again = DYcritAreaS(1, 3 * unit, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
    EXPECT_NEAR(again, micron2(bridgeArea(rects, 3 * unit)), 1e-3 * (1 + again));
    TearDown();
  }
}

TEST_F(CriticalAreaTest, CriticalAreaBeyondTheLayoutIsClampedToSensitivityOne) {
  const long g = theGlobalScale;
  build({{0, 0, 10 * g, 2 * g, {1}}, {0, 3 * g, 10 * g, 5 * g, {2}}});
  frame(0, 0, 10 * g, 5 * g);
  ::testing::internal::CaptureStdout();
  float crit = DYcritAreaS(1, 20 * g, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_REPORT);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Critical Area: 50.000000\n");
  EXPECT_FLOAT_EQ(crit, 50.0f);
  EXPECT_STREQ(GClastMessage(),
               "Defect Size : 20.000 micron\n\t\tCritical Area : 50.000 micron x micron\n\t\tLayout Area : 50.000 "
               "micron x micron\n\t\tSensitivity : 1.000.");
  // Below the clamp: two parallel wires 1 micron apart, defect 3: (10 + 3) x (3 - 1).
  DYcritAreaS(1, 3 * g, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
  ASSERT_EQ(Fsensitivity.n, 1);
  EXPECT_FLOAT_EQ(Fsensitivity.y[0], 26.0f / 50.0f);
}

TEST_F(CriticalAreaTest, BreakAreaOfAWireBetweenTwoBlocksEitherWay) {
  // An H: two blocks joined by a wire 2 microns wide and 10 long, lying
  // (space above and below the wire overlap in x) and standing (the space
  // tiles beside the wire are apart in x and the wire limits the gap).
  const long g = theGlobalScale;
  for (bool standing : {false, true}) {
    SetUp();
    auto place = [&](long x1, long y1, long x2, long y2) {
      return standing ? NetRect{y1, x1, y2, x2, {1}} : NetRect{x1, y1, x2, y2, {1}};
    };
    build({place(-5 * g, -5 * g, 0, 7 * g), place(0, 0, 10 * g, 2 * g), place(10 * g, -5 * g, 15 * g, 7 * g)});
    frame(-5 * g, -5 * g, 15 * g, 7 * g);
    auto opens = [&](long d) {
      return DYcritAreaO(1, d, -GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, DY_SWEEP_POINT);
    };
    EXPECT_FLOAT_EQ(opens(1 * g), 0.0f);
    EXPECT_FLOAT_EQ(opens(2 * g), 0.0f) << "a defect as wide as the wire just touches both sides";
    EXPECT_FLOAT_EQ(opens(3 * g), 13.0f * 1.0f) << standing;  // (10 + d) x (d - 2)
    EXPECT_FLOAT_EQ(opens(4 * g), 14.0f * 2.0f) << standing;
    TearDown();
  }
}

TEST_F(CriticalAreaTest, SweepWithMinimumAboveMaximumIsRefused) {
  theMinDefectSize = 5 * theGlobalScale;
  theMaxDefectSize = 2 * theGlobalScale;
  EXPECT_EQ(DYsweepShorts(1), 0);
  EXPECT_STREQ(GClastMessage(), "Error: The smallest defect size 5.000 micron is above the largest 2.000 micron.");
}
