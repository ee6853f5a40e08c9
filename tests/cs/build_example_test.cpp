// Planes built from a generated layout (two rows of three inverters),
// checked against the flat rectangles: every point of every plane, and the
// contact links.
#include <set>
#include <vector>

#include "build_fixture.h"
#include "support/layout_generator.h"
#include "support/run_program.h"

namespace {
bool inside(const _rects* r, long x, long y) { return r->x1 < x && x <= r->x2 && r->y1 <= y && y < r->y2; }

bool onLayer(int layer, long x, long y) {
  if (!Gflatten->symbol[layer]) return false;
  for (_rects* r = Gflatten->symbol[layer]->rect; r; r = r->next)
    if (inside(r, x, y)) return true;
  return false;
}

bool overlaps(const _Dtile* t, long x1, long y1, long x2, long y2) {
  return t->x1 < x2 && TileRight(t) > x1 && t->y1 < y2 && TileTop(t) > y1;
}

class ExampleTest : public BuildTest {
 protected:
  void SetUp() override {
    BuildTest::SetUp();
    const std::string path = CVscratchDir() + "/inverters.cif";
    ASSERT_TRUE(CVgenerateLayout({"--rows", "2", "--cols", "3"}, path));
    ASSERT_EQ(ACloadCif(path.c_str()), 0);
    GCflatten();
    ASSERT_NE(Gflatten, nullptr);
    DCcrtCS();
  }
};
}  // namespace

TEST_F(ExampleTest, EveryPlaneAgreesWithTheFlatRectangles) {
  EXPECT_EQ(CheckAll(), 0);
  std::set<long> xs, ys;
  for (int l = 0; l < GlayerNum; ++l)
    if (Gflatten->symbol[l])
      for (_rects* r = Gflatten->symbol[l]->rect; r; r = r->next) {
        xs.insert({r->x1, r->x1 + 1, r->x2, r->x2 + 1});
        ys.insert({r->y1 - 1, r->y1, r->y2 - 1, r->y2});
      }
  const int active = L("CAA"), gate = L("CPG");
  const unsigned short element = static_cast<unsigned short>(CS_ELEMENT | gate);
  long elementPoints = 0;
  for (int p = 0; p < DlayerNum; ++p) {
    const int layer = DlayerTile[p].layer;
    Stitch = DlayerTile[p].layertile;
    for (long x : xs)
      for (long y : ys) {
        _Dtile* t = PointFind(x, y);
        unsigned short want = CS_SPACE;
        if (onLayer(layer, x, y)) want = static_cast<unsigned short>(layer);
        if ((layer == active || layer == gate) && onLayer(active, x, y) && onLayer(gate, x, y)) want = element;
        ASSERT_EQ(t->type, want) << DlayerTile[p].name << " at " << x << "," << y;
        ASSERT_EQ(t->node, 0) << "building leaves no net marks for extraction";
        if (want == element) ++elementPoints;
      }
  }
  EXPECT_GT(elementPoints, 0);
}

TEST_F(ExampleTest, ContactLinksJoinExactlyTheTilesTheContactsOverlap) {
  long contacts = 0;
  for (int c = 0; c < DconNum; ++c) {
    const int con = L(Dconnect[c].conLayer);
    const int lowerPlane = planeOf(Dconnect[c].lowerLayer), upperPlane = planeOf(Dconnect[c].upperLayer);
    std::vector<_rects*> rs;
    for (_rects* r = Gflatten->symbol[con] ? Gflatten->symbol[con]->rect : nullptr; r; r = r->next) rs.push_back(r);
    for (_rects* r : rs) {
      ++contacts;
      _Dtile* k = at(Dconnect[c].conLayer, r->x2, r->y1);
      ASSERT_TRUE(TisSolid(k));
      ASSERT_NE(k->lower, nullptr);
      ASSERT_NE(k->upper, nullptr);
      _Dtile* l = k->lower->tile;
      _Dtile* u = k->upper->tile;
      EXPECT_EQ(TileLayer(l), &DlayerTile[lowerPlane]);
      EXPECT_EQ(TileLayer(u), &DlayerTile[upperPlane]);
      EXPECT_TRUE(overlaps(l, r->x1 - 1, r->y1 - 1, r->x2 + 1, r->y2 + 1));
      EXPECT_TRUE(overlaps(u, r->x1, r->y1, r->x2, r->y2));
    }
    // Every link between the two conductor planes comes from some contact
    // overlapping both tiles, is recorded once, and has its mirror.
    Stitch = DlayerTile[lowerPlane].layertile;
    _Dtilelist* all = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
    for (_Dtilelist* a = all; a; a = a->next) {
      std::set<_Dtile*> seen;
      for (_Dtilelist* up = a->tile->upper; up; up = up->next) {
        if (TileLayer(up->tile) != &DlayerTile[upperPlane]) continue;
        EXPECT_TRUE(seen.insert(up->tile).second);
        bool joined = false;
        for (_rects* r : rs)
          joined = joined || (overlaps(a->tile, r->x1 - 1, r->y1 - 1, r->x2 + 1, r->y2 + 1) &&
                              overlaps(up->tile, r->x1, r->y1, r->x2, r->y2));
        EXPECT_TRUE(joined);
        long back = 0;
        for (_Dtilelist* d = up->tile->lower; d; d = d->next) back += d->tile == a->tile;
        EXPECT_EQ(back, 1);
      }
    }
    FreeList(all);
  }
  EXPECT_GT(contacts, 20);
}
