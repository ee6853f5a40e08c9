// The plane table, the empty plane with its frame, and dropping whole planes.
#include <cstring>
#include <initializer_list>

#include "cs/cs.h"
#include "cs/hint_grid.h"
#include "cs/plane_internal.h"

_DlayerTile DlayerTile[CS_MAX_PLANES];
int DlayerNum = 0;
_Dtile* Stitch = nullptr;
_Dtile* CurrentStitch = nullptr;
_DlayerTile* CLayer = nullptr;

void InitStitch() {
  Stitch = nullptr;
  CurrentStitch = nullptr;
  DlayerNum = 0;
  CLayer = nullptr;
}

void FrameMake(long x1, long y1, long, long, _Dtile* tile) {
  tile->x1 = x1;
  tile->y1 = y1;
}

_Dtile* Init1LayerCS() {
  const long inf = GC_INFINITY;
  _Dtile* centre = NewTile();
  _Dtile* left = NewTile();
  _Dtile* right = NewTile();
  _Dtile* top = NewTile();
  _Dtile* bottom = NewTile();
  _Dtile* topLeft = NewTile();
  _Dtile* topRight = NewTile();
  _Dtile* bottomLeft = NewTile();
  _Dtile* bottomRight = NewTile();
  FrameMake(-inf, -inf, inf, inf, centre);
  FrameMake(-inf - 1, -inf, -inf, inf, left);
  FrameMake(inf, -inf, inf + 1, inf, right);
  FrameMake(-inf, inf, inf, inf + 1, top);
  FrameMake(-inf, -inf - 1, inf, -inf, bottom);
  FrameMake(-inf - 1, inf, -inf, inf + 1, topLeft);
  FrameMake(inf, inf, inf + 1, inf + 1, topRight);
  FrameMake(-inf - 1, -inf - 1, -inf, -inf, bottomLeft);
  FrameMake(inf, -inf - 1, inf + 1, -inf, bottomRight);
  centre->type = CS_SPACE;
  for (_Dtile* f : {left, right, top, bottom, topLeft, topRight, bottomLeft, bottomRight}) f->type = CS_FRAME;
  centre->bl = left, centre->rt = top, centre->tr = right, centre->lb = bottom;
  left->tr = centre, left->rt = topLeft, left->lb = bottomLeft;
  top->tr = topRight, top->lb = centre, top->bl = topLeft;
  right->rt = topRight, right->lb = bottomRight, right->bl = centre;
  bottom->rt = centre, bottom->tr = bottomRight, bottom->bl = bottomLeft;
  topLeft->tr = top, topLeft->lb = left;
  topRight->lb = right, topRight->bl = top;
  bottomLeft->tr = bottom, bottomLeft->rt = left;
  bottomRight->rt = right, bottomRight->bl = bottom;
  return centre;
}

// The eight frame tiles never change their links among themselves, so they are
// all reached from the left one.
void CSframeTiles(_Dtile* entry, _Dtile* frame[8]) {
  Stitch = entry;
  _Dtile* left = PointFind(-GC_INFINITY, 0);
  _Dtile* topLeft = left->rt;
  _Dtile* bottomLeft = left->lb;
  _Dtile* top = topLeft->tr;
  _Dtile* bottom = bottomLeft->tr;
  _Dtile* topRight = top->tr;
  _Dtile* bottomRight = bottom->tr;
  _Dtile* right = topRight->lb;
  _Dtile* all[8] = {left, topLeft, bottomLeft, top, bottom, topRight, bottomRight, right};
  memcpy(frame, all, sizeof all);
}

void CSdropPlane(_Dtile* entry, bool withLinks) {
  if (!entry) return;
  _Dtile* frame[8];
  CSframeTiles(entry, frame);
  _Dtilelist* all = nullptr;
  Stitch = entry;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  for (_Dtilelist* c = all; c; c = c->next) {
    if (withLinks) {
      // After extraction an element tile's `lower` holds its transistor record.
      if (!TisElement(c->tile)) FreeList(c->tile->lower);
      FreeList(c->tile->upper);
    }
    FreeTile(c->tile);
  }
  FreeList(all);
  for (_Dtile* f : frame) FreeTile(f);
  Stitch = nullptr;
}

CSsavedCursor* CSsavedCursors = nullptr;

void CSretireTile(_Dtile* gone, _Dtile* heir) {
  CShintForget(gone);
  if (Stitch == gone) Stitch = heir;
  for (CSsavedCursor* s = CSsavedCursors; s; s = s->outer)
    if (*s->slot == gone) *s->slot = heir;
  if (CurrentStitch == gone) CurrentStitch = heir;
  for (int i = 0; i < DlayerNum && i < CS_MAX_PLANES; ++i) {
    if (DlayerTile[i].layertile == gone) DlayerTile[i].layertile = heir;
    if (DlayerTile[i].crittile == gone) DlayerTile[i].crittile = heir;
  }
}

void CSreset() {
  for (int i = 0; i < DlayerNum && i < CS_MAX_PLANES; ++i) {
    CSdropPlane(DlayerTile[i].layertile, true);
    CSdropPlane(DlayerTile[i].crittile, false);
    FreeList(DlayerTile[i].highlight);
    FreeList(DlayerTile[i].selected);
  }
  memset(DlayerTile, 0, sizeof DlayerTile);
  InitStitch();
  CSreleasePools();
}
