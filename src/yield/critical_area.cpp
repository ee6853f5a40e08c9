#include "yield/critical_area.h"

#include <algorithm>
#include <cstdio>

#include "common/defect_scale.h"
#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/scale.h"
#include "cs/cs.h"
#include "display/viewport.h"
#include "extract/net.h"
#include "faultex/critical_area.h"
#include "faultex/critical_plane.h"
#include "faultex/fault.h"
#include "yield/series.h"
#include "yield/yield_model.h"

namespace {
constexpr short USED = 0x100;  // high byte of `processed`: already taken as a first tile

bool used(const _Dtile* t) { return (t->processed & 0xFF00) != 0; }

// The tiles of `t` grown by d on every side, in t's plane (clamped to the plane's range).
_Dtilelist* around(_Dtile* t, long d) { return DFenumerate(t, t->x1 - d, t->y1 - d, TileRight(t) + d, TileTop(t) + d); }

// Unions the box into the plane's critical-area plane. The union's tiles take
// the layer's own type: the carving reserves type 30 for the tile it is
// making, so same-typed tiles of 30 would not merge into a union.
void addCritical(int plane, _box* b) {
  _rects r = GCrectOf(b->x1, b->y1, b->x2, b->y2);
  Stitch = DlayerTile[plane].crittile;
  Put1BoxCS(&r, DlayerTile[plane].layer, plane);
  DlayerTile[plane].crittile = Stitch;
  GCdelete(b);
}

// Sum of the critical plane's solid tiles in square microns; the plane is emptied.
float collectCritical(int plane) {
  float sum = 0.0f;
  const float g = static_cast<float>(theGlobalScale);
  Stitch = DlayerTile[plane].crittile;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  for (_Dtilelist* c = all; c; c = c->next)
    if (TisSolid(c->tile))
      sum += ((TileRight(c->tile) - c->tile->x1) / g) * ((TileTop(c->tile) - c->tile->y1) / g);
  FreeList(all);
  DFemptyCritical(plane, nullptr);
  return sum;
}

void clearMarks(_Dtilelist* tiles) {
  for (_Dtilelist* c = tiles; c; c = c->next) c->tile->processed &= 0xFF;
}

// A solid conductor tile of the layer itself (not a device tile).
bool conductor(const _Dtile* t, int layer) { return t->type == layer; }

// True when the box, shrunk by one unit on every side, holds only conductor
// tiles of the layer: a wire lies between the two space tiles.
bool filledByLayer(_Dtile* inPlane, long x1, long y1, long x2, long y2, int layer) {
  if (x2 - x1 <= 2 || y2 - y1 <= 2) return true;
  _Dtilelist* found = DFenumerate(inPlane, x1 + 1, y1 + 1, x2 - 1, y2 - 1);
  bool filled = true;
  for (_Dtilelist* c = found; c && filled; c = c->next) filled = conductor(c->tile, layer);
  FreeList(found);
  return filled;
}

// Bridges: pairs of conductor tiles of different nets.
void collectShorts(int plane, _Dtilelist* window, long d) {
  const int layer = DlayerTile[plane].layer;
  for (_Dtilelist* c = window; c; c = c->next) {
    _Dtile* t = c->tile;
    if (!TisType(t, layer) || used(t)) continue;
    _Dtilelist* near = around(t, d);
    for (_Dtilelist* n = near; n; n = n->next) {
      _Dtile* u = n->tile;
      if (!TisType(u, layer) || used(u) || u->node == t->node) continue;
      if (_box* b = DFcrtArea(t, u, nullptr, d)) addCritical(plane, b);
    }
    FreeList(near);
    t->processed |= USED;
  }
}

// Breaks: pairs of space tiles on either side of a wire of the layer.
void collectOpens(int plane, _Dtilelist* window, long d) {
  const int layer = DlayerTile[plane].layer;
  for (_Dtilelist* c = window; c; c = c->next) {
    _Dtile* b = c->tile;
    if (TisSolid(b) || used(b)) continue;
    _Dtilelist* near = around(b, d);
    for (_Dtilelist* n = near; n; n = n->next) {
      _Dtile* x = n->tile;
      if (x == b || TisSolid(x) || used(x)) continue;
      _box* gap = DFcrossTalk(b, x);
      if (!gap) continue;
      if (DFvertPosition(b, x)) {
        if (filledByLayer(b, gap->x1, gap->y1, gap->x2, gap->y2, layer))
          if (_box* area = DFcrtArea(b, x, nullptr, d)) addCritical(plane, area);
      } else {
        _Dtilelist* wires = DFenumerate(b, gap->x1, gap->y1, gap->x2, gap->y2);
        for (_Dtilelist* w = wires; w; w = w->next) {
          _Dtile* wire = w->tile;
          if (!conductor(wire, layer)) continue;
          long y1 = std::max<long>(gap->y1, wire->y1), y2 = std::min(gap->y2, TileTop(wire));
          if (y1 >= y2 || !filledByLayer(b, gap->x1, y1, gap->x2, y2, layer)) continue;
          if (_box* area = DFcrtArea(b, x, wire, d)) addCritical(plane, area);
        }
        FreeList(wires);
      }
      GCdelete(gap);
    }
    FreeList(near);
    b->processed |= USED;
  }
}

float critArea(bool shorts, int plane, long d, long x1, long y1, long x2, long y2, int mode) {
  if (mode == DY_REPORT) GCmessage(GC_MOD_YIELD, 'P', "Computing critical area ...");
  _Dtilelist* window = DFenumerate(DlayerTile[plane].layertile, x1, y1, x2, y2);
  if (shorts)
    collectShorts(plane, window, d);
  else
    collectOpens(plane, window, d);
  clearMarks(window);
  FreeList(window);
  float crit = collectCritical(plane);
  if (mode == DY_REPORT) GCmessage(GC_MOD_YIELD, 'L', "done");
  const float area = DYlayoutArea();
  if (crit > area) crit = area;
  if (shorts) {
    printf("Critical Area: %f\n", crit);
    fflush(stdout);
  }
  const float x = static_cast<float>(d) / static_cast<float>(theGlobalScale);
  const float s = DYsensitivity(x, crit, area);
  if (mode == DY_REPORT) {
    GCmessage(GC_MOD_YIELD, 'D',
              shorts ? "Defect Size : %0.3f micron\n\t\tCritical Area : %0.3f micron x micron\n\t\tLayout Area : "
                       "%0.3f micron x micron\n\t\tSensitivity : %0.3f"
                     : "Defect Size : %0.3f micron\n\t\tCritical Area : %.3f micron x micron\n\t\tLayout Area : "
                       "%.3f micron x micron\n\t\tSensitivity : %.3f",
              x, crit, area, s);
  } else if (!DYappend(&Fsensitivity, x, s)) {
    GCmessage(GC_MOD_YIELD, 'E', "Iteration out of bounds, stopped");
  }
  return crit;
}

int critComp(bool shorts) {
  int plane;
  if (!DYneedNetsAndLayer(&plane)) return 0;
  long x1, y1, x2, y2;
  GCvisibleWindow(&Vmain, &x1, &y1, &x2, &y2);
  critArea(shorts, plane, DFdefectSize(), x1, y1, x2, y2, DY_REPORT);
  return 1;
}
}  // namespace

bool DYneedNetsAndLayer(int* plane) {
  if (NetsNum <= 0) {
    GCmessage(GC_MOD_YIELD, 'W', "Do circuit extraction first");
    return false;
  }
  *plane = DFactiveIndex();
  if (*plane < 0) {
    GCmessage(GC_MOD_YIELD, 'W', "No active layer, select one");
    return false;
  }
  return true;
}

float DYcritAreaS(int plane, long d, long x1, long y1, long x2, long y2, int mode) {
  return critArea(true, plane, d, x1, y1, x2, y2, mode);
}

float DYcritAreaO(int plane, long d, long x1, long y1, long x2, long y2, int mode) {
  return critArea(false, plane, d, x1, y1, x2, y2, mode);
}

int DYcritCompS() { return critComp(true); }
int DYcritCompO() { return critComp(false); }
