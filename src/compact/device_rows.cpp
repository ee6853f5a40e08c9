#include "compact/device_rows.h"

#include <array>
#include <cstring>
#include <unordered_map>

#include "cs/cs.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {

struct Sides {
  _edge* low = nullptr;   // left (x) or bottom (y)
  _edge* high = nullptr;  // right or top
};

std::unordered_map<const _Dtile*, Sides> sidesOfTiles(int xDirection) {
  std::unordered_map<const _Dtile*, Sides> sides;
  _adjacency_list** eq = xDirection ? equat_bucket : equat_bucket_y;
  const int columns = SWcolumns(xDirection);
  sides.reserve(static_cast<size_t>(columns) / 2 + 1);
  for (int k = 0; k < columns; ++k) {
    _edge* e = eq[k]->the_edge;
    if (!e || !e->mother_tile) continue;
    Sides& s = sides[e->mother_tile];
    (e->upward ? s.low : s.high) = e;
  }
  return sides;
}

// The solid tile of the plane named `layer` holding the centre of `inner`,
// if it covers the whole of it.
_Dtile* coveringTile(const char* layer, const _Dtile* inner) {
  const _Dtile* gate = inner;
  for (int k = 0; k < DlayerNum; ++k) {
    if (!DlayerTile[k].layertile || strcmp(DlayerTile[k].name, layer) != 0) continue;
    _Dtile* saved = Stitch;
    Stitch = DlayerTile[k].layertile;
    _Dtile* t = PointFind((gate->x1 + TileRight(gate)) / 2, (gate->y1 + TileTop(gate)) / 2);
    Stitch = saved;
    if (t && TisSolid(t) && t->x1 <= gate->x1 && TileRight(t) >= TileRight(gate) && t->y1 <= gate->y1 &&
        TileTop(t) >= TileTop(gate))
      return t;
    return nullptr;
  }
  return nullptr;
}

}  // namespace

void SWaddDeviceRows(int xDirection, _rhs_list* rhs) {
  if (!Transistors) return;
  const auto sides = sidesOfTiles(xDirection);
  _adjacency_list** eq = xDirection ? equat_bucket : equat_bucket_y;
  _rhs_list* rows = rhs;
  auto low = [&](const _Dtile* t) { return xDirection ? t->x1 : t->y1; };
  auto high = [&](const _Dtile* t) { return xDirection ? TileRight(t) : TileTop(t); };
  // A side flush with the inner one stays flush even where the sweep has
  // already stated a weaker row between the two (add_column_2 would drop it).
  auto row = [&](_edge* inner, _edge* outer, bool flush) {
    if (flush)
      SWaddEqualRow(inner, outer, eq, &rows, 0);
    else
      add_column_2(inner, outer, eq, &rows, 0, 'G', 1, 1);
  };
  auto tie = [&](const _Dtile* outer, const _Dtile* gate) {
    auto o = sides.find(outer), g = sides.find(gate);
    if (o == sides.end() || g == sides.end() || outer == gate) return;
    const Sides &os = o->second, &gs = g->second;
    if (os.low && gs.low && low(outer) <= low(gate)) row(os.low, gs.low, low(outer) == low(gate));
    if (os.high && gs.high && high(outer) >= high(gate)) row(gs.high, os.high, high(outer) == high(gate));
  };
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next) {
      const _Dtile* gate = t->Tgate;
      if (!gate) continue;
      // The channel keeps its width and length (the gate tile's extents):
      // the sweep only bounds them from below, so a neighbour's rows could
      // otherwise stretch the diffusion under the gate.
      if (t->resize_width == 0 && t->resize_length == 0) {
        auto g = sides.find(gate);
        if (g != sides.end() && g->second.low && g->second.high)
          SWaddEqualRow(g->second.low, g->second.high, eq, &rows, high(gate) - low(gate));
      }
      // The gate layer over the gate; selects and wells over the gate and
      // both diffusions.
      for (int j = 1; j < Delement[e].layerNum; ++j)
        for (const _Dtile* inner : {gate, static_cast<const _Dtile*>(t->Tsource), static_cast<const _Dtile*>(t->Tdrain)}) {
          if (!inner || (j == 1 && inner != gate)) continue;
          if (const _Dtile* over = coveringTile(Delement[e].layers[j], inner)) tie(over, inner);
        }
    }
}
