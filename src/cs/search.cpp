// Point location, neighbour walks and stitch repair.
#include <cstdio>
#include <cstdlib>

#include "cs/cs.h"
#include "cs/plane_internal.h"
#include "cs/side_scan.h"

int location(long x, long y, _Dtile* tile) {
  if (x > TileRight(tile)) return CS_RIGHT;
  if (y < tile->y1) return CS_DOWN;
  if (x <= tile->x1) return CS_LEFT;
  if (y < TileTop(tile)) return CS_INSIDE;
  return CS_UP;
}

namespace {
[[noreturn]] void brokenStitch(_Dtile* t) {
  fprintf(stderr, "Fatal: CS error Tile: %d %d %d %d %d", (int)t->type, (int)t->x1, (int)t->y1,
          (int)TileRight(t), (int)TileTop(t));
  fflush(stderr);
  fflush(stdout);
  exit(1);
}
}  // namespace

// Each step enters the neighbour on the side of the target. When the target
// lies within the tile's extent along that side, the step goes straight to
// the neighbour at the target's coordinate (the side scans), which the plain
// walk would reach only by walking along the side afterwards.
_Dtile* PointFind(long x, long y) {
  _Dtile* t = Stitch;
  for (;;) {
    _Dtile* next;
    switch (location(x, y, t)) {
      case CS_RIGHT: next = y >= t->y1 && y < TileTop(t) ? CSrightAt(t, y) : static_cast<_Dtile*>(t->tr); break;
      case CS_DOWN: next = x > t->x1 && x <= TileRight(t) ? CSbottomAt(t, x) : static_cast<_Dtile*>(t->lb); break;
      case CS_LEFT: next = y < TileTop(t) ? CSleftAt(t, y) : static_cast<_Dtile*>(t->bl); break;
      case CS_UP: next = CStopAt(t, x); break;
      default: Stitch = t; return t;
    }
    if (!next) brokenStitch(t);
    t = next;
  }
}

void Neighbor(_Dtile* tile, _Dtilelist** list, int side, unsigned char strict) {
  _Dtilelist* out = nullptr;
  switch (side) {
    case CS_SIDE_LEFT:
      for (_Dtile* n = tile->bl; n && n->y1 < TileTop(tile); n = n->rt) {
        if (strict && TileTop(n) > TileTop(tile)) break;
        out = TileToList(out, n);
      }
      break;
    case CS_SIDE_RIGHT:
      for (_Dtile* n = tile->tr; n && TileTop(n) > tile->y1; n = n->lb) {
        if (strict && n->y1 < tile->y1) break;
        out = TileToList(out, n);
      }
      break;
    case CS_SIDE_TOP:
      for (_Dtile* n = tile->rt; n && TileRight(n) > tile->x1; n = n->bl) {
        if (strict && n->x1 < tile->x1) break;
        out = TileToList(out, n);
      }
      break;
    case CS_SIDE_BOTTOM:
      for (_Dtile* n = tile->lb; n && n->x1 < TileRight(tile); n = n->tr) {
        if (strict && TileRight(n) > TileRight(tile)) break;
        out = TileToList(out, n);
      }
      break;
    default: break;
  }
  *list = out;
}

// Same walks as the strict Neighbor lists, without building them.
void UpdateNeighbor(_Dtile* tile, int side) {
  const long right = TileRight(tile), top = TileTop(tile);
  if (side == 0 || side == CS_SIDE_TOP)
    for (_Dtile* n = tile->rt; n && TileRight(n) > tile->x1 && n->x1 >= tile->x1; n = n->bl) n->lb = tile;
  if (side == 0 || side == CS_SIDE_BOTTOM)
    for (_Dtile* n = tile->lb; n && n->x1 < right && TileRight(n) <= right; n = n->tr) n->rt = tile;
  if (side == 0 || side == CS_SIDE_RIGHT)
    for (_Dtile* n = tile->tr; n && TileTop(n) > tile->y1 && n->y1 >= tile->y1; n = n->lb) n->bl = tile;
  if (side == 0 || side == CS_SIDE_LEFT)
    for (_Dtile* n = tile->bl; n && n->y1 < top && TileTop(n) <= top; n = n->rt) n->tr = tile;
}

void CScutVertical(_Dtile* old, long x, _Dtile* fresh) {
  fresh->x1 = x;
  fresh->y1 = old->y1;
  fresh->rt = old->rt;
  fresh->tr = old->tr;
  fresh->bl = old;
  fresh->lb = CSbottomAt(old, x + 1);
  old->tr = fresh;
  old->rt = CStopAt(old, x);
  UpdateNeighbor(fresh, 0);
}

void CScutHorizontal(_Dtile* old, long y, _Dtile* fresh) {
  fresh->x1 = old->x1;
  fresh->y1 = y;
  fresh->rt = old->rt;
  fresh->tr = old->tr;
  fresh->lb = old;
  fresh->bl = CSleftAt(old, y);
  old->rt = fresh;
  old->tr = CSrightAt(old, y - 1);
  UpdateNeighbor(fresh, 0);
}
