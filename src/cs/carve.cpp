// Carving a box out of the plane as one tile (TileCreation). The box is either
// all space or inside one tile; with vertical strips the columns at its two
// x edges are then single tiles over its height, so after cutting those two
// columns every tile over the box reaches from below it to above it.
#include <cstdio>
#include <vector>

#include "common/message.h"
#include "common/switches.h"
#include "cs/cs.h"
#include "cs/plane_internal.h"
#include "cs/side_scan.h"

namespace {
// The record rules of the carving in progress (null: plain conductor planes).
const CScarveRecords* records = nullptr;

_Dtile* newPiece(const _Dtile* like) {
  _Dtile* t = NewTile();
  if (!t) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
  t->type = like->type;
  t->layer = like->layer;
  if (records && records->copy && like->type != CS_SPACE) records->copy(t, like);
  return t;
}

// Cuts the column tile `t` at x unless one of its edges is already there.
void cutColumnAt(_Dtile* t, long x) {
  if (t->x1 == x || TileRight(t) == x) return;
  CScutVertical(t, x, newPiece(t));
}

// The leftmost tile above `t`, if it starts at t's left edge.
_Dtile* aboveAtLeftEdge(_Dtile* t) {
  _Dtile* n = CStopAt(t, t->x1 + 1);
  return n && n->x1 == t->x1 ? n : nullptr;
}

// After `right` took over `left` (same rows), only the tiles around the left
// part point elsewhere: those around the right part point at `right` already.
// `leftTop` is left's old rt, `boundary` the x where the two met.
void repointLeftPart(_Dtile* right, _Dtile* leftTop, long boundary) {
  const long x1 = right->x1, r = TileRight(right), top = TileTop(right);
  for (_Dtile* n = leftTop; n && TileRight(n) > x1 && n->x1 >= x1; n = n->bl) n->lb = right;
  for (_Dtile* n = right->lb; n && n->x1 < boundary && TileRight(n) <= r; n = n->tr) n->rt = right;
  for (_Dtile* n = right->bl; n && n->y1 < top && TileTop(n) <= top; n = n->rt) n->tr = right;
}

// `right` takes over `left`, its neighbour on the same rows.
void absorb(_Dtile* right, _Dtile* left) {
  const long boundary = right->x1;
  const bool sameRows = right->y1 == left->y1 && TileTop(right) == TileTop(left);
  _Dtile* leftTop = left->rt;
  right->x1 = left->x1;
  right->y1 = left->y1;
  right->lb = left->lb;
  right->bl = left->bl;
  if (CSplainWalks || !sameRows)
    UpdateNeighbor(right, 0);
  else
    repointLeftPart(right, leftTop, boundary);
  CSretireTile(left, right);
  if (records && records->release) records->release(left);
  FreeTile(left);
}

bool mergeable(_Dtile* r, _Dtile* l) {
  if (records && r && r->type != CS_SPACE) return false;
  return r && l && r != l && r->type == l->type && r->x1 == TileRight(l);
}
}  // namespace

_Dtile* TileCreation(long x1, long y1, long x2, long y2, _Dtile** tile) {
  return TileCreationWith(x1, y1, x2, y2, tile, nullptr);
}

_Dtile* TileCreationWith(long x1, long y1, long x2, long y2, _Dtile** tile,
                         const CScarveRecords* rules) {
  records = rules;
  // Points inside the box next to its top-right and bottom-left corners.
  cutColumnAt(PointFind(x2, y2 - 1), x2);
  _Dtile* leftColumn = PointFind(x1 + 1, y1);
  if (!leftColumn) GCfatal(GC_MOD_CS, 1, "Can not locate a tile");
  cutColumnAt(leftColumn, x1);

  _Dtilelist* found = nullptr;
  AreaEnum(x1, y1, x2, y2, &found, 0);
  if (!found) GCfatal(GC_MOD_CS, 1, "Can not enumerate tiles");
  static std::vector<_Dtile*> cols;  // right to left; reused, carving runs for every rectangle
  cols.clear();
  for (_Dtilelist* c = found; c; c = c->next)
    if (c->tile->x1 >= x1 && TileRight(c->tile) <= x2) cols.push_back(c->tile);
  FreeList(found);

  _Dtile* prevBottom = nullptr;
  for (size_t i = 0; i < cols.size(); ++i) {
    _Dtile* t = cols[i];
    _Dtile* prev = i > 0 ? cols[i - 1] : nullptr;
    _Dtile* next = i + 1 < cols.size() ? cols[i + 1] : nullptr;
    _Dtile* above = nullptr;
    _Dtile* below = nullptr;
    if (TileTop(t) > y2) {
      above = newPiece(t);
      above->x1 = t->x1;
      above->y1 = y2;
      above->rt = t->rt;
      above->tr = t->tr;
      above->lb = t;
      if (next) {
        above->bl = TileTop(next) > y2 ? next : static_cast<_Dtile*>(next->rt);
      } else {
        above->bl = CSleftAt(t, y2);
      }
      t->rt = above;
    }
    if (t->y1 < y1) {
      below = newPiece(t);
      below->x1 = t->x1;
      below->y1 = t->y1;
      below->lb = t->lb;
      below->bl = t->bl;
      below->rt = t;
      if (prev) {
        below->tr = prevBottom ? prevBottom : static_cast<_Dtile*>(prev->lb);
      } else {
        below->tr = CSrightAt(t, y1 - 1);
      }
      t->y1 = y1;
      t->lb = below;
    }
    prevBottom = below;
    t->type = CS_FRAME;
    if (prev) {
      t->tr = prev;
    } else {
      t->tr = CSrightAt(t, y2 - 1);
    }
    if (next) {
      t->bl = next;
    } else {
      t->bl = CSleftAt(t, y1);  // t->bl is still the one the piece below copied
    }
    if (above) UpdateNeighbor(above, 0);
    UpdateNeighbor(t, 0);
    if (below) UpdateNeighbor(below, 0);
  }

  _Dtile* a = cols.front();
  for (size_t i = 1; i < cols.size(); ++i) {
    _Dtile* b = cols[i];
    _Dtile* upRight = aboveAtLeftEdge(a);
    _Dtile* upLeft = b->rt;
    if (mergeable(upRight, upLeft) && TileTop(upRight) == TileTop(upLeft)) absorb(upRight, upLeft);
    _Dtile* downRight = a->lb;
    _Dtile* downLeft = b->lb;
    if (mergeable(downRight, downLeft) && downRight->y1 == downLeft->y1) absorb(downRight, downLeft);
    absorb(a, b);
  }

  records = nullptr;
  Stitch = a;
  if (tile) *tile = a;
  if (CLayer) {
    CLayer->stilenum++;
    if (!Silently) fprintf(stderr, "\b\b\b\b\b\b\b\b%8ld", CLayer->stilenum);
  }
  return a;
}
