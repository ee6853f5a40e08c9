// Breaks against a brute-force reference: a square defect is placed at every
// sample position of a fine grid, the material of one layer under it is
// removed, and the connectivity of the net's terminals is computed again on a
// raster. The parts and the critical area of every break must agree with the
// critical tiles the extraction leaves in that layer's critical plane.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstring>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "callback/defect_scale.h"
#include "common/layout.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "fault_session.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "faultex/open_faults.h"
#include "techc/tech.h"
#include "xtractRC/find_net.h"

namespace {
constexpr long L = 80;      // layout units per lambda
constexpr long CELL = 20;   // raster cell
constexpr long STEP = 40;   // sample spacing: one sample per square micron

using Terminal = std::pair<long, short>;           // transistor number, port
using Partition = std::set<std::set<Terminal>>;    // the parts, each a set of terminals

struct Raster {
  long x0, y0, w, h;
  std::vector<char> poly, metal, diff, cca, ccp;
  size_t at(long cx, long cy) const { return static_cast<size_t>((cy - y0) * w + (cx - x0)); }
  bool inside(long cx, long cy) const { return cx >= x0 && cy >= y0 && cx < x0 + w && cy < y0 + h; }
};

void paint(std::vector<char>& layer, const Raster& r, const char* name, bool on) {
  int l = DTlayerIndex(name);
  if (l < 0 || !Gflatten->symbol[l]) return;
  for (_rects* b = Gflatten->symbol[l]->rect; b; b = b->next)
    for (long y = b->y1 / CELL; y < b->y2 / CELL; ++y)
      for (long x = b->x1 / CELL; x < b->x2 / CELL; ++x) layer[r.at(x, y)] = on;
}

Raster rasterOfLayout() {
  Raster r;
  r.x0 = DlayerTile[0].frame.x1 / CELL - 20;
  r.y0 = DlayerTile[0].frame.y1 / CELL - 20;
  r.w = DlayerTile[0].frame.x2 / CELL + 20 - r.x0;
  r.h = DlayerTile[0].frame.y2 / CELL + 20 - r.y0;
  const size_t n = static_cast<size_t>(r.w * r.h);
  r.poly.assign(n, 0), r.metal.assign(n, 0), r.diff.assign(n, 0), r.cca.assign(n, 0), r.ccp.assign(n, 0);
  paint(r.poly, r, "CPG", true);
  paint(r.metal, r, "CMF", true);
  paint(r.diff, r, "CAA", true);
  paint(r.diff, r, "CPG", false);  // diffusion is active outside the gates
  paint(r.cca, r, "CCA", true);
  paint(r.ccp, r, "CCP", true);
  return r;
}

// The conductor cells of the net (layer * n + cell), found by a flood over
// the intact raster from the terminal regions.
std::vector<int> netCells(const Raster& r, const std::vector<std::pair<Terminal, std::vector<size_t>>>& terms) {
  const size_t n = r.poly.size();
  const std::vector<char>* layers[3] = {&r.poly, &r.metal, &r.diff};
  std::vector<char> seen(3 * n, 0);
  std::vector<int> todo, out;
  for (const auto& t : terms)
    for (size_t c : t.second)
      if ((*layers[c / n])[c % n] && !seen[c]) seen[c] = 1, todo.push_back(static_cast<int>(c));
  while (!todo.empty()) {
    int c = todo.back();
    todo.pop_back();
    out.push_back(c);
    const size_t l = static_cast<size_t>(c) / n, i = static_cast<size_t>(c) % n;
    std::vector<size_t> next;
    for (long step : {1L, -1L, r.w, -r.w}) {
      long j = static_cast<long>(i) + step;
      if (j >= 0 && j < static_cast<long>(n)) next.push_back(l * n + static_cast<size_t>(j));
    }
    if (l == 0 && r.ccp[i]) next.push_back(n + i);
    if (l == 1 && r.ccp[i]) next.push_back(i);
    if (l == 1 && r.cca[i]) next.push_back(2 * n + i);
    if (l == 2 && r.cca[i]) next.push_back(n + i);
    for (size_t m : next)
      if (!seen[m] && (*layers[m / n])[m % n]) seen[m] = 1, todo.push_back(static_cast<int>(m));
  }
  return out;
}

// The parts of the net's terminals with the material of one layer removed
// inside [x1, x2) x [y1, y2) (cell coordinates).
Partition partsWithDefect(const Raster& r, const std::vector<std::pair<Terminal, std::vector<size_t>>>& terms,
                          const std::vector<int>& cells, std::vector<int>& up, int cutLayer, long x1, long y1,
                          long x2, long y2) {
  const size_t n = r.poly.size();
  auto present = [&](size_t c) {
    const std::vector<char>& layer = c / n == 0 ? r.poly : c / n == 1 ? r.metal : r.diff;
    if (!layer[c % n]) return false;
    if (static_cast<int>(c / n) != cutLayer) return true;
    const long x = r.x0 + static_cast<long>(c % n) % r.w, y = r.y0 + static_cast<long>(c % n) / r.w;
    return !(x >= x1 && x < x2 && y >= y1 && y < y2);
  };
  std::function<int(int)> find = [&](int a) { return up[a] == a ? a : up[a] = find(up[a]); };
  auto join = [&](int a, int b) { up[find(a)] = find(b); };
  for (int c : cells) up[c] = c;
  for (int c : cells) {
    const size_t uc = static_cast<size_t>(c);
    if (!present(uc)) continue;
    const size_t l = uc / n, i = uc % n;
    if (i + 1 < n && present(uc + 1)) join(c, c + 1);
    if (i + r.w < n && present(uc + r.w)) join(c, c + static_cast<int>(r.w));
    if (l == 0 && r.ccp[i] && present(n + i)) join(c, static_cast<int>(n + i));
    if (l == 2 && r.cca[i] && present(n + i)) join(c, static_cast<int>(n + i));
  }
  // A terminal is its whole region: a gate cut in its middle still drives
  // the transistor from the part that reaches it.
  std::map<int, std::set<Terminal>> parts;
  for (const auto& [term, region] : terms) {
    int root = -1;
    for (size_t c : region) {
      if (!present(c)) continue;
      if (root < 0) root = find(static_cast<int>(c));
      else join(static_cast<int>(c), root);
    }
    if (root >= 0) parts[find(root)].insert(term);
  }
  Partition p;
  for (auto& part : parts) p.insert(part.second);
  return p;
}

Partition partitionOf(const _Dfopen* o) {
  Partition p;
  for (long i = 0; i < o->nparts; ++i) {
    std::set<Terminal> part;
    for (long g = 0; g < o->pinlist[i].ngates; ++g) part.insert({o->pinlist[i].gateno[g], o->pinlist[i].pinname[g]});
    p.insert(part);
  }
  return p;
}

class BreakReference : public ::testing::Test {
 protected:
  void SetUp() override { startFaultSession(); }
};
}  // namespace

TEST_F(BreakReference, WireFeedingTwoGatesAgreesWithDefectsPlacedOnAGrid) {
  loadLayout(wireToTwoGates(), "gates");
  const long d = 3 * L;
  DIsetScaleValue(static_cast<int>(d * 10 / 40));
  ASSERT_TRUE(DFinit());
  _Dtile* start = (Stitch = NamedLayerTile("CMF"), PointFind(8 * L, 10 * L));
  ASSERT_GT(start->node, 0);

  // The extraction's breaks of this net, per plane.
  RecordTerm = 1;
  long bx1 = GC_INFINITY, by1 = GC_INFINITY, bx2 = -GC_INFINITY, by2 = -GC_INFINITY;
  _Dtilelist* tiles = DExFindNet(start, &bx1, &by1, &bx2, &by2);
  _DtermList* terms = DExTermList(tiles, TransList);
  ASSERT_NE(terms, nullptr);
  DFproc1NetO(tiles, terms, -1, d);

  const Raster r = rasterOfLayout();
  const size_t n = r.poly.size();
  std::vector<std::pair<Terminal, std::vector<size_t>>> regions;
  for (_DtermList* t = terms; t; t = t->next) {
    std::vector<size_t> cells;
    const int layer = t->port == 0 ? 0 : 2;
    for (long y = t->tile->y1 / CELL; y < TileTop(t->tile) / CELL; ++y)
      for (long x = t->tile->x1 / CELL; x < TileRight(t->tile) / CELL; ++x) cells.push_back(layer * n + r.at(x, y));
    regions.push_back({{t->transistor->number, t->port}, cells});
  }
  ASSERT_EQ(regions.size(), 3u);

  const std::vector<int> cells = netCells(r, regions);
  std::vector<int> up(3 * n, 0);
  struct Cut {
    const char* plane;
    int rasterLayer;
  };
  long breaksSeen = 0;
  for (Cut cut : {Cut{"CPG", 0}, Cut{"CMF", 1}}) {
    // Critical area per partition found by the extraction in this plane.
    std::map<Partition, long> found;
    const int p = planeNamed(cut.plane);
    _Dtilelist* crit = DFcriticalTiles(p);
    for (_Dtilelist* c = crit; c; c = c->next) {
      const DFbreak* b = reinterpret_cast<const DFbreak*>(c->tile->upper);
      found[partitionOf(b->open)] += (TileRight(c->tile) - c->tile->x1) * (TileTop(c->tile) - c->tile->y1) / (STEP * STEP);
    }
    FreeList(crit);
    // The reference: one sample per square micron.
    std::map<Partition, long> reference;
    const long h = d / 2;
    for (long cy = by1 - d + STEP / 2; cy < by2 + d; cy += STEP)
      for (long cx = bx1 - d + STEP / 2; cx < bx2 + d; cx += STEP) {
        Partition parts = partsWithDefect(r, regions, cells, up, cut.rasterLayer, (cx - h) / CELL,
                                          (cy - h) / CELL, (cx + h) / CELL, (cy + h) / CELL);
        if (parts.size() >= 2) reference[parts] += 1;
      }
    // The same breaks (parts) in both. The extraction blocks whole tiles, so a
    // defect that only nibbles a wire where it ends on a contact, or where it
    // joins another wire, counts where the raster keeps a connection (and
    // the other way round): the areas agree up to a few square microns per
    // wire end (measured here: poly 172 against 184, metal 128 against 112).
    ASSERT_EQ(found.size(), reference.size()) << cut.plane;
    for (const auto& [parts, area] : reference) {
      ASSERT_TRUE(found.count(parts)) << cut.plane;
      EXPECT_NEAR(found[parts], area, 20) << cut.plane;
    }
    breaksSeen += static_cast<long>(reference.size());
  }
  EXPECT_GE(breaksSeen, 2);
  DFOcritAscan();
  DFcleanOpenBuffer();
  FreeBreakList();
  DExFreeTerm(terms);
  FreeList(tiles);
}
