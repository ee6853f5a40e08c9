// Consistency checks of the stitches (debug tools, no menu entry).
#include <cstdio>

#include "common/message.h"
#include "cs/cs.h"
#include "cs/tile_marks.h"

namespace {
int report(_Dtile* t) {
  TestTile(t, 2);
  getchar();  // lets the developer look at the marked tile
  return 1;
}

int checkBottom(_Dtile* t) {
  const _Dtile* lb = t->lb;
  if (!lb || lb->x1 > t->x1 || TileRight(lb) <= t->x1) return report(t);
  for (const _Dtile* n = lb; n && n->x1 < TileRight(t); n = n->tr)
    if (TileTop(n) != t->y1) return report(t);
  return 0;
}

int checkTop(_Dtile* t) {
  const _Dtile* rt = t->rt;
  if (!rt || TileRight(rt) < TileRight(t) || rt->x1 >= TileRight(t)) return report(t);
  for (const _Dtile* n = rt; n && TileRight(n) > t->x1; n = n->bl)
    if (n->y1 != TileTop(t)) return report(t);
  return 0;
}

int checkLeft(_Dtile* t) {
  const _Dtile* bl = t->bl;
  if (!bl || bl->y1 > t->y1 || TileTop(bl) <= t->y1) return report(t);
  for (const _Dtile* n = bl; n && n->y1 < TileTop(t); n = n->rt)
    if (TileRight(n) != t->x1) return report(t);
  return 0;
}

int checkRight(_Dtile* t) {
  const _Dtile* tr = t->tr;
  if (!tr || TileTop(tr) < TileTop(t) || tr->y1 >= TileTop(t)) return report(t);
  for (const _Dtile* n = tr; n && TileTop(n) > t->y1; n = n->lb)
    if (n->x1 != TileRight(t)) return report(t);
  return 0;
}
}  // namespace

int CheckCurrent(_Dtile* tile) {
  if (TisInfinit(tile)) return 0;
  return checkBottom(tile) + checkTop(tile) + checkLeft(tile) + checkRight(tile);
}

int Check1Layer(_Dtile* entry) {
  Stitch = entry;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  int errors = 0;
  for (_Dtilelist* c = all; c; c = c->next) errors += CheckCurrent(c->tile);
  FreeList(all);
  GCmessage(GC_MOD_CS, 'M', "Tile neighbors check found no error");
  return errors;
}

int CheckAll() {
  int errors = 0;
  for (int i = 0; i < DlayerNum; ++i) {
    if (!DlayerTile[i].layertile) {
      GCmessage(GC_MOD_CS, 'W', "CS structure not ready");
      return errors;
    }
    errors += Check1Layer(DlayerTile[i].layertile);
  }
  GCmessage(GC_MOD_CS, 'M', "Tile neighbors check found no error");
  return errors;
}

int CheckAllNode() {
  int found = 0;
  for (int i = 1; i < DlayerNum; ++i) {
    if (!DlayerTile[i].layertile) continue;
    Stitch = DlayerTile[i].layertile;
    _Dtilelist* all = nullptr;
    AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
    for (_Dtilelist* c = all; c; c = c->next) {
      if (TisSolid(c->tile) && c->tile->node < 0) {
        printf("negative node : %d.\n", (int)c->tile->node);
        TestTile(c->tile, 3);
        found++;
      }
    }
    FreeList(all);
  }
  GCmessage(GC_MOD_CS, 'M', "No negative node is found");
  return found;
}
