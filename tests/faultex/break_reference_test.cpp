// Breaks against a brute-force reference: a square defect is placed at sample
// positions, the material of one layer under it is removed, and the
// connectivity of the net's terminals is computed again on a raster. The
// samples are the centres of the cells of the grid made of every layout edge
// plus and minus half the defect size: inside such a cell no defect edge
// crosses a layout edge, so the parts are constant over the cell and the
// reference areas are exact. Every cell's parts must equal those of the
// extraction's critical tile at the cell's centre, except in the places
// listed with each case, where the extraction's procedure itself differs from
// the geometry (see below).
#include <gtest/gtest.h>

#include <algorithm>

#include "common/defect_scale.h"
#include "common/layout.h"
#include "extract/net.h"
#include "fault_session.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "faultex/open_faults.h"
#include "faultex/net_walk.h"
#include "xtractRC/find_net.h"

namespace {
constexpr long L = 80;     // layout units per lambda
constexpr long CELL = 20;  // raster cell; every layout edge and defect edge lies on it
constexpr long UNITS_PER_MICRON = 40;

using Terminal = std::pair<long, short>;         // transistor number, port
using Partition = std::set<std::set<Terminal>>;  // the parts, each a set of terminals
using Region = std::pair<Terminal, std::vector<size_t>>;

const char* const kConductors[3] = {"CPG", "CMF", "CAA"};  // raster layers 0, 1, 2

struct Raster {
  long x0, y0, w, h;
  std::vector<char> layer[3], cca, ccp;
  size_t at(long cx, long cy) const { return static_cast<size_t>((cy - y0) * w + (cx - x0)); }
  size_t size() const { return static_cast<size_t>(w * h); }
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
  for (auto* v : {&r.layer[0], &r.layer[1], &r.layer[2], &r.cca, &r.ccp}) v->assign(r.size(), 0);
  paint(r.layer[0], r, "CPG", true);
  paint(r.layer[1], r, "CMF", true);
  paint(r.layer[2], r, "CAA", true);
  paint(r.layer[2], r, "CPG", false);  // diffusion conducts outside the gates
  paint(r.cca, r, "CCA", true);
  paint(r.ccp, r, "CCP", true);
  return r;
}

// The raster cells (layer * size + cell) joined to c: same layer left, right,
// below, above; across a contact to the layer it links.
template <typename F>
void eachLink(const Raster& r, size_t c, F&& link) {
  const size_t n = r.size(), l = c / n, i = c % n;
  const long x = static_cast<long>(i) % r.w;
  if (x + 1 < r.w) link(c + 1);
  if (x > 0) link(c - 1);
  if (i + static_cast<size_t>(r.w) < n) link(c + static_cast<size_t>(r.w));
  if (i >= static_cast<size_t>(r.w)) link(c - static_cast<size_t>(r.w));
  if ((l == 0 && r.ccp[i]) || (l == 2 && r.cca[i])) link(n + i);
  if (l == 1 && r.ccp[i]) link(i);
  if (l == 1 && r.cca[i]) link(2 * n + i);
}

// The parts of the terminals with the material of one layer removed inside
// [x1, x2) x [y1, y2) (raster cells). A terminal is its whole region: a gate
// cut in its middle still drives the transistor from any part reaching it.
Partition partsWithDefect(const Raster& r, const std::vector<Region>& terms, int cutLayer, long x1, long y1, long x2,
                          long y2) {
  const size_t n = r.size();
  auto present = [&](size_t c) {
    if (!r.layer[c / n][c % n]) return false;
    if (static_cast<int>(c / n) != cutLayer) return true;
    const long x = r.x0 + static_cast<long>(c % n) % r.w, y = r.y0 + static_cast<long>(c % n) / r.w;
    return !(x >= x1 && x < x2 && y >= y1 && y < y2);
  };
  // Part of each cell in the flood from each terminal region (a stamp per
  // call instead of clearing); reaching a region floods all of it.
  static std::vector<std::pair<unsigned, int>> part;
  static std::vector<int> regionOf;
  static unsigned stamp = 0;
  if (part.size() != 3 * n) {
    part.assign(3 * n, {0, 0});
    regionOf.assign(3 * n, -1);
    for (size_t k = 0; k < terms.size(); ++k)
      for (size_t c : terms[k].second) regionOf[c] = static_cast<int>(k);
  }
  ++stamp;
  auto has = [&](size_t c) { return part[c].first == stamp; };
  std::map<int, std::set<Terminal>> members;
  int next = 0;
  for (size_t k = 0; k < terms.size(); ++k) {
    int id = -1;
    for (size_t c : terms[k].second)
      if (present(c) && has(c)) id = part[c].second;
    if (id < 0) {
      id = next++;
      std::vector<size_t> todo;
      std::vector<char> flooded(terms.size(), 0);
      auto visit = [&](size_t m) {
        if (!present(m) || has(m)) return;
        part[m] = {stamp, id};
        todo.push_back(m);
        const int region = regionOf[m];
        if (region >= 0 && !flooded[static_cast<size_t>(region)]) {
          flooded[static_cast<size_t>(region)] = 1;
          for (size_t c : terms[static_cast<size_t>(region)].second)
            if (present(c) && !has(c)) part[c] = {stamp, id}, todo.push_back(c);
        }
      };
      for (size_t c : terms[k].second) visit(c);
      while (!todo.empty()) {
        size_t c = todo.back();
        todo.pop_back();
        eachLink(r, c, visit);
      }
    }
    members[id].insert(terms[k].first);
  }
  Partition parts;
  for (auto& [id, m] : members) parts.insert(m);
  return parts;
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

// A terminal as "x,y:port": the lower-left corner of its transistor's gate in
// lambda, and g, s or d.
std::string text(const Partition& p) {
  std::map<long, std::string> where;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next)
      where[t->number] = std::to_string(t->Tgate->x1 / L) + "," + std::to_string(t->Tgate->y1 / L);
  std::string out;
  for (const auto& part : p) {
    out += "{";
    for (const auto& [number, port] : part) out += " " + where[number] + ":" + "gsd"[port];
    out += " }";
  }
  return out.empty() ? "-" : out;
}

// A grid cell (or a rectangle of them) where the reference and the
// extraction differ, lambda/10.
struct Difference {
  std::string plane;
  long x1, y1, x2, y2;
  std::string reference, extracted;
  bool contains(const Difference& cell) const {
    return plane == cell.plane && reference == cell.reference && extracted == cell.extracted && x1 <= cell.x1 &&
           cell.x2 <= x2 && y1 <= cell.y1 && cell.y2 <= y2;
  }
};

struct Comparison {
  std::vector<Difference> differences;  // cells
  // Per plane and break, layout units squared: the critical tiles' areas, and
  // the same read at the grid cells' centres (equal when every critical edge
  // lies on the grid); the area where the reference agrees.
  std::map<std::string, std::map<Partition, long>> tiles, sampled, agreed;
  // Per break: the weight of the fault list and its number of critical tiles.
  std::map<Partition, std::pair<long, long>> weights;
};

// Collects the breaks of the net at (x, y) of a plane with defect size d and
// compares them cell by cell with the reference.
// Frees what one net's break run leaves: the open buffer, the break list, the
// net's terminals and tiles.
void freeBreakRun(_DtermList* terms, _Dtilelist* tiles) {
  DFcleanOpenBuffer();
  FreeBreakList();
  DExFreeTerm(terms);
  DExFreeTransList();
  RecordTerm = 0;
  FreeList(tiles);
}

Comparison compare(const char* plane, long x, long y, long d) {
  Comparison out;
  Stitch = NamedLayerTile(plane);
  _Dtile* start = PointFind(x, y);
  EXPECT_GT(start->node, 0);
  RecordTerm = 1;
  long bx1 = GC_INFINITY, by1 = GC_INFINITY, bx2 = -GC_INFINITY, by2 = -GC_INFINITY;
  _Dtilelist* tiles = DExFindNet(start, &bx1, &by1, &bx2, &by2);
  _DtermList* terms = DExTermList(tiles, TransList);
  EXPECT_NE(terms, nullptr);
  DFproc1NetO(tiles, terms, -1, d);

  const Raster r = rasterOfLayout();
  std::vector<Region> regions;
  for (_DtermList* t = terms; t; t = t->next) {
    std::vector<size_t> cells;
    const size_t layer = t->port == 0 ? 0 : 2;
    for (long cy = t->tile->y1 / CELL; cy < TileTop(t->tile) / CELL; ++cy)
      for (long cx = t->tile->x1 / CELL; cx < TileRight(t->tile) / CELL; ++cx)
        cells.push_back(layer * r.size() + r.at(cx, cy));
    regions.push_back({{t->transistor->number, t->port}, cells});
  }

  const long h = d / 2;
  std::vector<long> xs, ys;
  for (const char* name : {"CPG", "CMF", "CAA", "CCA", "CCP"}) {
    int l = DTlayerIndex(name);
    if (l < 0 || !Gflatten->symbol[l]) continue;
    for (_rects* b = Gflatten->symbol[l]->rect; b; b = b->next) {
      for (long e : {b->x1, b->x2}) xs.push_back(e - h), xs.push_back(e + h);
      for (long e : {b->y1, b->y2}) ys.push_back(e - h), ys.push_back(e + h);
    }
  }
  for (auto* v : {&xs, &ys}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  for (int layer = 0; layer < 3; ++layer) {
    const char* name = kConductors[layer];
    const int p = planeNamed(name);
    for (size_t i = 0; i + 1 < xs.size(); ++i)
      for (size_t j = 0; j + 1 < ys.size(); ++j) {
        const long cx = (xs[i] + xs[i + 1]) / 2, cy = (ys[j] + ys[j + 1]) / 2;
        EXPECT_EQ((cx - h) % CELL, 0);
        EXPECT_EQ((cy - h) % CELL, 0);
        Partition ref = partsWithDefect(r, regions, layer, (cx - h) / CELL, (cy - h) / CELL, (cx + h) / CELL,
                                        (cy + h) / CELL);
        if (ref.size() < 2) ref.clear();
        Stitch = DlayerTile[p].crittile;
        _Dtile* t = PointFind(cx, cy);
        Partition ext;
        if (DFisCritical(t)) ext = partitionOf(t->upper.record<const DFbreak>()->open);
        const long area = (xs[i + 1] - xs[i]) * (ys[j + 1] - ys[j]);
        if (!ext.empty()) out.sampled[name][ext] += area;
        if (ref != ext)
          out.differences.push_back(
              {name, xs[i] * 10 / L, ys[j] * 10 / L, xs[i + 1] * 10 / L, ys[j + 1] * 10 / L, text(ref), text(ext)});
        else if (!ref.empty())
          out.agreed[name][ref] += area;
      }
    _Dtilelist* crit = DFcriticalTiles(p);
    for (_Dtilelist* c = crit; c; c = c->next) {
      const Partition ext = partitionOf(c->tile->upper.record<const DFbreak>()->open);
      out.tiles[name][ext] += (TileRight(c->tile) - c->tile->x1) * (TileTop(c->tile) - c->tile->y1);
      out.weights[ext].second += 1;
    }
    FreeList(crit);
  }
  DFOcritAscan();
  for (_DopenFault* f = FaultTable.opens; f; f = f->next) out.weights[partitionOf(f->fopen)].first = f->fweight;
  freeBreakRun(terms, tiles);
  return out;
}

// Every differing cell lies in one of the expected rectangles, which it
// covers completely; the critical areas are exact; each break's weight is its
// area in square microns up to the truncation of each critical tile's weight.
void check(const Comparison& c, const std::vector<Difference>& expected) {
  std::vector<long> covered(expected.size(), 0);
  for (const Difference& cell : c.differences) {
    auto in = std::find_if(expected.begin(), expected.end(), [&](const Difference& e) { return e.contains(cell); });
    if (in == expected.end()) {
      ADD_FAILURE() << cell.plane << " " << cell.x1 << ".." << cell.x2 << " x " << cell.y1 << ".." << cell.y2
                    << " reference " << cell.reference << " extracted " << cell.extracted;
      continue;
    }
    covered[static_cast<size_t>(in - expected.begin())] += (cell.x2 - cell.x1) * (cell.y2 - cell.y1);
  }
  for (size_t k = 0; k < expected.size(); ++k) {
    const Difference& e = expected[k];
    EXPECT_EQ(covered[k], (e.x2 - e.x1) * (e.y2 - e.y1)) << e.plane << " " << e.x1 << " " << e.y1;
  }
  EXPECT_EQ(c.sampled, c.tiles);
  std::map<Partition, long> total;
  for (const auto& [plane, areas] : c.tiles)
    for (const auto& [parts, area] : areas) total[parts] += area;
  for (const auto& [parts, weight] : c.weights) {
    const double microns = static_cast<double>(total[parts]) / (UNITS_PER_MICRON * UNITS_PER_MICRON);
    EXPECT_LE(weight.first, microns) << text(parts);
    EXPECT_GT(weight.first + weight.second, microns) << text(parts);
  }
}

long agreedBreaks(const Comparison& c) {
  long n = 0;
  for (const auto& [plane, areas] : c.agreed) n += static_cast<long>(areas.size());
  return n;
}

class BreakReference : public ::testing::Test {
 protected:
  void SetUp() override { startFaultSession(); }
};
}  // namespace

// Where the extraction differs from the geometry, its procedure prescribes it:
//  - Only defects reaching from a space tile beside a conductor across it to
//    another are examined. A defect inside a pad or a drain that lifts a
//    contact's whole landing without reaching across the conductor breaks
//    the net but is not found ("inside" below).
//  - A break cuts whole tiles (the maximal vertical strips of the planes).
//    The critical area of a cut runs half the defect size past the ends of
//    the cut tile, where a defect only nibbles a wire that ends on a contact
//    and leaves part of the landing ("end" below); and cutting a tile that
//    carries a branch cuts the branch off too, so the net falls into three
//    parts where the geometry gives two ("branch" below).
TEST_F(BreakReference, WireFeedingTwoGates) {
  loadLayout(wireToTwoGates(), "gates");
  // The driver's drain (gate at 4,0) reaches the gates at 40,2 and 40,16.
  const std::string cut = "{ 40,16:g 40,2:g }{ 4,0:d }";
  Comparison c = compare("CMF", 8 * L, 10 * L, 3 * L);
  check(c, {
               {"CAA", 75, 15, 85, 25, cut, "-"},    // inside the driver's drain
               {"CPG", 75, 285, 85, 295, cut, "-"},  // inside the pad under the poly contact
               {"CMF", 75, -5, 85, 15, "-", cut},    // end of the drain metal
               {"CMF", 75, 295, 85, 315, "-", cut},  // end of the drain metal
           });
  EXPECT_GE(agreedBreaks(c), 2);  // the poly wire and the drain metal; the strip between the gates
  Comparison none = compare("CMF", 8 * L, 10 * L, 0);  // a point defect cuts nothing
  check(none, {});
  EXPECT_TRUE(none.weights.empty());
}

TEST_F(BreakReference, InverterChainStageToStage) {
  CvLayout l;
  l.inverterChain(2);
  loadLayout(l, "chain");
  // The first inverter's output: its drains (gates at 4,0 and 4,10) on one
  // metal tile x 7..9, y 1..13, joined at y 6..8 by the second inverter's
  // input, which reaches the poly strip of its gates (18,0 and 18,10) through
  // a poly contact.
  Comparison c = compare("CMF", 8 * L, 10 * L, 3 * L);
  const char* threeParts = "{ 18,10:g 18,0:g }{ 4,10:d }{ 4,0:d }";
  const char* inputCut = "{ 18,10:g 18,0:g }{ 4,10:d 4,0:d }";
  check(c, {
               {"CAA", 75, 15, 85, 25, "{ 18,10:g 18,0:g 4,10:d }{ 4,0:d }", "-"},  // inside the N drain
               {"CAA", 75, 115, 85, 125, "{ 18,10:g 18,0:g 4,0:d }{ 4,10:d }", "-"},  // inside the P drain
               {"CPG", 155, 65, 165, 75, inputCut, "-"},                               // inside the contact's pad
               {"CMF", 75, -5, 85, 15, "-", threeParts},                               // end
               {"CMF", 75, 125, 85, 145, "-", threeParts},                             // end
               {"CMF", 165, 65, 185, 75, "-", inputCut},                               // end on the poly contact
               // branch: the input metal joins the output tile at y 6..8
               {"CMF", 75, 15, 85, 65, "{ 18,10:g 18,0:g 4,10:d }{ 4,0:d }", threeParts},
               {"CMF", 75, 75, 85, 125, "{ 18,10:g 18,0:g 4,0:d }{ 4,10:d }", threeParts},
               // branch: the pad joins the gates' poly strip at y 5..9
               {"CPG", 185, 25, 195, 65, "{ 18,10:g 4,10:d 4,0:d }{ 18,0:g }", "{ 18,10:g }{ 18,0:g }{ 4,10:d 4,0:d }"},
               {"CPG", 185, 75, 195, 115, "{ 18,10:g }{ 18,0:g 4,10:d 4,0:d }", "{ 18,10:g }{ 18,0:g }{ 4,10:d 4,0:d }"},
           });
  EXPECT_GE(agreedBreaks(c), 2);
}

// A net's breaks do not depend on where its trace starts (the whole-layout
// command starts at its first terminal, the one-net command at the picked
// tile): a cut terminal tile starts no part of its own.
TEST_F(BreakReference, EveryStartingTileOfANetGivesTheSameBreaks) {
  auto breaksFrom = [](_Dtile* start, long d) {
    RecordTerm = 1;
    long x1 = GC_INFINITY, y1 = GC_INFINITY, x2 = -GC_INFINITY, y2 = -GC_INFINITY;
    _Dtilelist* tiles = DExFindNet(start, &x1, &y1, &x2, &y2);
    _DtermList* terms = DExTermList(tiles, TransList);
    if (terms) DFproc1NetO(tiles, terms, -1, d);
    DFOcritAscan();
    std::map<Partition, long> out;
    for (_DopenFault* f = FaultTable.opens; f; f = f->next) out[partitionOf(f->fopen)] += f->fweight;
    freeBreakRun(terms, tiles);
    DFresetPlanes();
    return out;
  };
  CvLayout chain, pair, three;
  chain.inverterChain(3);
  pair.diffPairMirror();  // its tail net broke differently from its diffusion
  three.threeRegionGate();
  for (const CvLayout* layout : {&chain, &pair, &three}) {
    SetUp();
    loadLayout(*layout, "order");
    for (long d : {2 * L, 3 * L, 5 * L, 7 * L})
      for (int p = 0; p < DlayerNum; ++p) {
        std::map<long, std::map<Partition, long>> first;
        for (const NetTile& t : netTiles(p)) {
          Stitch = DlayerTile[p].layertile;
          auto breaks = breaksFrom(PointFind(t.x1 + 1, t.y1 + 1), d);
          EXPECT_EQ(first.emplace(t.net, breaks).first->second, breaks)
              << "net " << t.net << " from " << DlayerTile[p].name << " " << t.x1 << "," << t.y1 << " defect " << d;
        }
      }
  }
}
