// Random rectangles against independent models: a brute-force point model,
// total tile area, stitches recomputed from the geometry.
#include <algorithm>
#include <random>

#include "plane_fixture.h"

namespace {
struct Placed {
  long x1, y1, x2, y2;
  short type;
};

// The type a point ends up with: the first rectangle claims space; a later
// one of another type makes an element tile of its own type.
unsigned short modelType(const std::vector<Placed>& placed, long x, long y) {
  unsigned short cur = CS_SPACE;
  for (const Placed& p : placed) {
    if (!(p.x1 < x && x <= p.x2 && p.y1 <= y && y < p.y2)) continue;
    unsigned short t = static_cast<unsigned short>(p.type);
    if (cur == CS_SPACE || cur == t) cur = t;
    else cur = static_cast<unsigned short>(CS_ELEMENT | t);
  }
  return cur;
}

// Stitches recomputed by brute force from the tile rectangles.
void expectStitchesMatchGeometry(const std::vector<_Dtile*>& tiles) {
  for (_Dtile* t : tiles) {
    TileRect r = rectOf(t);
    auto contains = [](const TileRect& q, long x, long y) { return q.x1 < x && x <= q.x2 && q.y1 <= y && y < q.y2; };
    // rt holds the point just above the top-right corner, tr just right of the top-right corner, etc.
    EXPECT_TRUE(contains(rectOf(t->rt), r.x2, r.y2)) << "rt";
    EXPECT_TRUE(contains(rectOf(t->tr), r.x2 + 1, r.y2 - 1)) << "tr";
    EXPECT_TRUE(contains(rectOf(t->lb), r.x1 + 1, r.y1 - 1)) << "lb";
    EXPECT_TRUE(contains(rectOf(t->bl), r.x1, r.y1)) << "bl";
  }
}

class RandomPlane : public PlaneTest, public ::testing::WithParamInterface<int> {
 protected:
  std::vector<Placed> placed;
  void fill(std::mt19937& rng, int count, int span, int types, int maxSide) {
    std::uniform_int_distribution<int> pos(0, span - 1), side(1, maxSide), type(1, types);
    for (int i = 0; i < count; ++i) {
      long x1 = pos(rng), y1 = pos(rng);
      Placed p{x1, y1, x1 + side(rng), y1 + side(rng), static_cast<short>(type(rng))};
      placed.push_back(p);
      put(p.x1, p.y1, p.x2, p.y2, p.type);
    }
  }
};
}  // namespace

TEST_P(RandomPlane, AgreesWithIndependentModels) {
  std::mt19937 rng(GetParam());
  const int span = 60;
  fill(rng, 40 + GetParam() % 5 * 30, span, 1 + GetParam() % 3, 1 + GetParam() % 4 * 6);

  std::vector<_Dtile*> tiles = flood(DlayerTile[0].layertile);
  expectStitchesMatchGeometry(tiles);
  EXPECT_EQ(CheckAll(), 0);

  // Tiles are disjoint and cover the whole range: areas add up (they are
  // disjoint because every point below finds exactly one owner).
  __int128 area = 0;
  for (_Dtile* t : tiles) area += (__int128)(TileRight(t) - t->x1) * (TileTop(t) - t->y1);
  EXPECT_TRUE(area == (__int128)(2 * GC_INFINITY) * (2 * GC_INFINITY));

  // Every point agrees with the model, searched from a hint left anywhere.
  std::uniform_int_distribution<size_t> anyTile(0, tiles.size() - 1);
  for (long x = -2; x <= span + 28; ++x)
    for (long y = -2; y <= span + 28; ++y) {
      Stitch = tiles[anyTile(rng)];
      _Dtile* t = PointFind(x, y);
      // A point on a vertical edge belongs to the tile on its left, on a
      // horizontal edge to the tile above; the search leaves the hint on its result.
      ASSERT_TRUE(t->x1 < x && x <= TileRight(t) && t->y1 <= y && y < TileTop(t));
      ASSERT_EQ(Stitch, t);
      ASSERT_EQ(t->type, modelType(placed, x, y)) << x << "," << y;
    }
  // Vertical strips: no space tile has a space tile directly above or below.
  for (_Dtile* t : tiles) {
    if (TisSolid(t)) continue;
    for (_Dtile* n = t->rt; n && TileRight(n) > t->x1; n = n->bl) EXPECT_TRUE(TisSolid(n));
    for (_Dtile* n = t->lb; n && n->x1 < TileRight(t); n = n->tr) EXPECT_TRUE(TisSolid(n));
  }
}

TEST_P(RandomPlane, EnumerationsListExactlyTheOverlappingTiles) {
  std::mt19937 rng(1000 + GetParam());
  const int span = 50;
  fill(rng, 60, span, 2, 9);
  std::vector<_Dtile*> tiles = flood(DlayerTile[0].layertile);
  std::uniform_int_distribution<int> pos(-5, span + 5), side(1, 30);
  for (int q = 0; q < 60; ++q) {
    long x1 = pos(rng), y1 = pos(rng), x2 = x1 + side(rng), y2 = y1 + side(rng);
    std::set<_Dtile*> want, inside;
    for (_Dtile* t : tiles) {
      if (t->x1 < x2 && TileRight(t) > x1 && t->y1 < y2 && TileTop(t) > y1) want.insert(t);
      if (t->x1 >= x1 && TileRight(t) <= x2 && t->y1 >= y1 && TileTop(t) <= y2) inside.insert(t);
    }
    Stitch = tiles[q % tiles.size()];
    for (_Dtile* t : tiles) t->processed = 5;
    _Dtilelist* list = nullptr;
    AreaEnum(x1, y1, x2, y2, &list, 1);
    std::vector<_Dtile*> got = listed(list);
    EXPECT_EQ(std::set<_Dtile*>(got.begin(), got.end()), want);
    EXPECT_EQ(got.size(), want.size());
    for (_Dtile* t : got) EXPECT_EQ(t->processed, 0);
    // The list opens with the bottom row, right to left.
    size_t row = 0;
    while (row < got.size() && got[row]->y1 <= y1) ++row;
    for (size_t i = 0; i < row; ++i) {
      EXPECT_LE(got[i]->y1, y1);
      if (i > 0) {
        EXPECT_EQ(TileRight(got[i]), got[i - 1]->x1);
      }
    }
    for (size_t i = row; i < got.size(); ++i) EXPECT_GT(got[i]->y1, y1);
    // ExAreaEnum keeps the bottom row and, above it, the tiles wholly inside.
    _Dtilelist* ex = nullptr;
    Stitch = tiles[(q * 7) % tiles.size()];
    ExAreaEnum(x1, y1, x2, y2, &ex, 0);
    std::vector<_Dtile*> exGot = listed(ex);
    std::vector<_Dtile*> exWant;
    for (size_t i = 0; i < got.size(); ++i)
      if (i < row || inside.count(got[i])) exWant.push_back(got[i]);
    EXPECT_EQ(exGot, exWant);
    _box box{x1, y1, x2, y2};
    cleanUp(&list, &box);
    std::vector<_Dtile*> kept = listed(list);
    EXPECT_EQ(std::set<_Dtile*>(kept.begin(), kept.end()), inside);
    FreeList(list);
    FreeList(ex);
  }
}

TEST_P(RandomPlane, RandomSplitsKeepThePlaneConsistent) {
  std::mt19937 rng(2000 + GetParam());
  fill(rng, 30, 40, 2, 12);
  for (int i = 0; i < 40; ++i) {
    std::vector<_Dtile*> tiles = flood(DlayerTile[0].layertile);
    _Dtile* t = tiles[rng() % tiles.size()];
    if (TisInfinit(t)) continue;
    long w = TileRight(t) - t->x1, h = TileTop(t) - t->y1;
    _Dtile* fresh = nullptr;
    if (i % 2 && w > 1)
      TileSplit(t, _points{t->x1 + 1 + (long)(rng() % (w - 1)), 0, nullptr}, CS_CUT_VERTICAL, &fresh, 1);
    else if (h > 1)
      TileSplit(t, _points{0, t->y1 + 1 + (long)(rng() % (h - 1)), nullptr}, CS_CUT_HORIZONTAL, &fresh, 1);
  }
  expectStitchesMatchGeometry(flood(DlayerTile[0].layertile));
  EXPECT_EQ(CheckAll(), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomPlane, ::testing::Range(1, 13));
