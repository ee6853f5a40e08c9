// Planes built with the fingers of the side scans and the partial stitch
// repair of merges against planes built with whole-side walks (the way
// building always walked): the same tiles with the same fields, stitched to
// the same neighbours, linked to the same tiles, listed in the same order.
// Layouts: random rectangles on the technology's layers (rails, tall strips,
// overlaps, contacts anywhere), the generator's NMOS array with columns apart
// and inverter chain between rails, and an inverter array.
#include <array>
#include <random>
#include <string>
#include <vector>

#include "build_fixture.h"
#include "cs/side_scan.h"
#include "support/circuit_layouts.h"
#include "support/layout_generator.h"
#include "support/run_program.h"

namespace {
using Rect = std::array<long, 5>;  // x1, y1, right, top, plane (index + 1)

Rect rectOf(const _Dtile* t) {
  if (!t) return {0, 0, 0, 0, -1};
  return {t->x1, t->y1, TileRight(t), TileTop(t), t->layer};
}

struct TileRecord {
  Rect rect;
  std::array<long, 7> fields;
  std::array<Rect, 4> stitches;
  std::vector<Rect> lower, upper;
  bool operator==(const TileRecord&) const = default;
};

std::vector<Rect> linked(_Dtilelist* list) {
  std::vector<Rect> out;
  for (; list; list = list->next) out.push_back(rectOf(list->tile));
  return out;
}

// Every plane, every tile in enumeration order with all it holds.
std::vector<std::vector<TileRecord>> snapshot() {
  std::vector<std::vector<TileRecord>> planes;
  for (int p = 0; p < DlayerNum; ++p) {
    Stitch = DlayerTile[p].layertile;
    _Dtilelist* all = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
    std::vector<TileRecord> tiles;
    for (_Dtilelist* c = all; c; c = c->next) {
      _Dtile* t = c->tile;
      tiles.push_back({rectOf(t),
                       {t->type, t->node, t->processed, t->activeDev, t->passiveDev, t->tran_sharing,
                        t->drainsourcegate},
                       {rectOf(t->rt), rectOf(t->tr), rectOf(t->lb), rectOf(t->bl)},
                       linked(t->lower),
                       linked(t->upper)});
    }
    FreeList(all);
    planes.push_back(std::move(tiles));
  }
  return planes;
}

class PlaneWalks : public BuildTest {
 protected:
  void TearDown() override {
    CSplainWalks = false;
    BuildTest::TearDown();
  }
  // Builds the planes of the flat layout both ways and compares them.
  void expectSamePlanes() {
    CSplainWalks = true;
    DCcrtCS();
    const auto plain = snapshot();
    CSreset();
    CSplainWalks = false;
    DCcrtCS();
    const auto fast = snapshot();
    EXPECT_EQ(CheckAll(), 0);
    ASSERT_EQ(plain.size(), fast.size());
    long tiles = 0;
    for (size_t p = 0; p < plain.size(); ++p) {
      ASSERT_EQ(plain[p].size(), fast[p].size()) << DlayerTile[p].name;
      for (size_t i = 0; i < plain[p].size(); ++i)
        ASSERT_TRUE(plain[p][i] == fast[p][i]) << DlayerTile[p].name << " tile " << i;
      tiles += static_cast<long>(plain[p].size());
    }
    EXPECT_GT(tiles, 100);
  }
  void loadGenerated(const std::vector<std::string>& options, const std::string& name) {
    std::string path = CVscratchDir() + "/" + name + ".cif";
    ASSERT_TRUE(CVgenerateLayout(options, path));
    ASSERT_EQ(ACloadCif(path.c_str()), 0);
    GCflatten();
    ASSERT_NE(Gflatten, nullptr);
  }
};
}  // namespace

TEST_F(PlaneWalks, RandomLayoutsGiveTheSamePlanes) {
  const char* layers[] = {"CAA", "CPG", "CMF", "CMS", "CCA", "CCP", "CVA", "CSN", "CWN"};
  for (int seed = 1; seed <= 6; ++seed) {
    CSreset();
    GClayoutReset();
    std::mt19937 rng(seed);
    std::uniform_int_distribution<long> pos(0, 400), side(1, 12), layer(0, 8);
    for (int i = 0; i < 700; ++i) {
      long x = pos(rng), y = pos(rng);
      rect(layers[layer(rng)], x, y, x + side(rng), y + side(rng));
    }
    // Rails across everything and columns through everything, laid last,
    // where splits and merges reach far along long sides.
    for (long k = 0; k < 8; ++k) {
      rect("CMF", -5, 50 * k, 410, 50 * k + 3);
      rect("CAA", 50 * k + 7, -5, 50 * k + 9, 410);
      rect("CPG", -5, 50 * k + 20, 410, 50 * k + 21);
    }
    expectSamePlanes();
  }
}

TEST_F(PlaneWalks, GeneratedArraysAndChainsGiveTheSamePlanes) {
  loadGenerated({"--nmos-array", "--rows", "30", "--cols", "12"}, "nmos_array");
  expectSamePlanes();
  CSreset();
  GClayoutReset();
  loadGenerated({"--rail-chain", "120"}, "rail_chain");
  expectSamePlanes();
  CSreset();
  GClayoutReset();
  CvLayout array;
  array.inverterArray(12, 14);
  for (const CvLayout::Rect& r : array.rects) rect(r.layer, r.x1 * 20, r.y1 * 20, r.x2 * 20, r.y2 * 20);
  expectSamePlanes();
}

// The side scans themselves, asked in random order along the long sides of
// the rails and strips, where the fingers move both ways.
TEST_F(PlaneWalks, SideScansFindTheSameNeighbourFromAnyFinger) {
  loadGenerated({"--rail-chain", "60"}, "scan_chain");
  DCcrtCS();
  std::mt19937 rng(7);
  long fingerScans = 0;
  for (int p = 0; p < DlayerNum; ++p) {
    Stitch = DlayerTile[p].layertile;
    _Dtilelist* all = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
    for (_Dtilelist* c = all; c; c = c->next) {
      _Dtile* t = c->tile;
      if (TisInfinit(t)) continue;
      const long w = TileRight(t) - t->x1, h = TileTop(t) - t->y1;
      for (int q = 0; q < 24; ++q) {
        const long x = t->x1 + 1 + static_cast<long>(rng() % w), y = t->y1 + static_cast<long>(rng() % h);
        _Dtile* fast[4] = {CStopAt(t, x), CSbottomAt(t, x), CSleftAt(t, y), CSrightAt(t, y)};
        CSplainWalks = true;
        _Dtile* plain[4] = {CStopAt(t, x), CSbottomAt(t, x), CSleftAt(t, y), CSrightAt(t, y)};
        CSplainWalks = false;
        for (int s = 0; s < 4; ++s) ASSERT_EQ(fast[s], plain[s]) << "side " << s;
      }
      int top = 0;
      for (_Dtile* n = t->rt; n && TileRight(n) > t->x1; n = n->bl) ++top;
      fingerScans += top > 8;
    }
    FreeList(all);
  }
  EXPECT_GT(fingerScans, 0);
}
