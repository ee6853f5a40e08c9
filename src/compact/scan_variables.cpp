// Variables and rectangles from the tile planes: two x and two y variables
// per solid tile, its rectangle in both event queues, and the gate rectangles
// of the transistors for symmetry detection.
#include <unordered_map>

#include "compact/sweep_internal.h"
#include "compact/symmetry_sets.h"
#include "compact/symmetry_tree.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {

_edge* makeEdge(long ax, long ay, long bx, long by, unsigned char upward, _Dtile* tile,
                const _DlayerTile& plane, int xDirection) {
  _edge* e = SWnewEdge();
  e->p1 = SWnewPoint(ax, ay);
  e->p2 = SWnewPoint(bx, by);
  e->upward = upward;
  e->Se = nullptr;
  e->mother_tile = tile;
  e->layer_num = plane.layer;
  snprintf(e->name, sizeof e->name, "%s", plane.name);
  SWaddVariable(xDirection, e);
  return e;
}

// Gate tiles of the transistors, with the transistor found first in element
// and list order.
std::unordered_map<_Dtile*, _Dtransistor*> gateTiles() {
  std::unordered_map<_Dtile*, _Dtransistor*> gates;
  if (!Transistors) return gates;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next)
      if (t->Tgate) gates.emplace(t->Tgate, t);
  return gates;
}

void addTile(_Dtile* tile, _DlayerTile& plane, const std::unordered_map<_Dtile*, _Dtransistor*>& gates) {
  TileSetLayer(tile, &plane);
  const long left = tile->x1, bottom = tile->y1, right = TileRight(tile), top = TileTop(tile);
  _edge* l = makeEdge(left, bottom, left, top, 1, tile, plane, 1);
  _edge* r = makeEdge(right, bottom, right, top, 0, tile, plane, 1);
  box_item* box = SWnewBox(r, l, left, bottom, right, top);
  scan_queue.Insert(box, left);
  scan_queue.Insert(box, right);
  box_item* gate = nullptr;
  auto g = gates.find(tile);
  if (g != gates.end()) {
    gate = SWnewBox(r, l, left, bottom, left + g->second->width, bottom + g->second->length);
    gate_rectangles.push_back(gate);
    sym_scan_queue.Insert(gate, static_cast<int>(gate->x1));
    sym_scan_queue.Insert(gate, static_cast<int>(gate->x2));
    Sets.add_set(new set(gate));
  }
  _edge* b = makeEdge(bottom, left, bottom, right, 1, tile, plane, 0);
  _edge* t = makeEdge(top, left, top, right, 0, tile, plane, 0);
  box->bottom_edge = b;
  box->top_edge = t;
  if (gate) {
    gate->bottom_edge = b;
    gate->top_edge = t;
  }
  box_item* ybox = SWnewBox(t, b, bottom, left, top, right);
  ybox->bottom_edge = l;
  ybox->top_edge = r;
  scan_queue_y.Insert(ybox, bottom);
  scan_queue_y.Insert(ybox, top);
}

}  // namespace

void scan_toget_variables() {
  // The sets and the tree hold the gates of this scan only.
  Sets.clean();
  sym_scan_queue.clear();
  const auto gates = gateTiles();
  for (int l = 0; l < GlayerNum; ++l) {
    _DlayerTile* plane = nullptr;
    for (int k = 0; k < DlayerNum; ++k)
      if (DlayerTile[k].layer == Glayers[l].layer && DlayerTile[k].layertile) {
        plane = &DlayerTile[k];
        break;
      }
    if (!plane) continue;
    Stitch = plane->layertile;
    _Dtilelist* tiles = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &tiles, 0);
    for (_Dtilelist* c = tiles; c; c = c->next) {
      if (!TisSolid(c->tile))
        TileSetLayer(c->tile, nullptr);
      else
        addTile(c->tile, *plane, gates);
    }
    FreeList(tiles);
  }
  num_of_var = NUM_of_VAR = SWcolumns(1);
  num_of_var_y = SWcolumns(0);
}
