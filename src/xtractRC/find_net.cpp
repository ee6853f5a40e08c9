#include "xtractRC/find_net.h"

#include <algorithm>
#include <cstdlib>

#include "extract/net.h"

_Dtilelist* DExFindNet(_Dtile* tile, long* x1, long* y1, long* x2, long* y2) {
  FreeList(NetTileList);
  NetTileList = nullptr;
  const long n = labs(tile->node);
  DExPath(tile, -n);
  _Dtilelist* tiles = NetTileList;
  NetTileList = nullptr;
  for (_Dtilelist* c = tiles; c; c = c->next) {
    _Dtile* t = c->tile;
    if (t->node < 0) t->node = -t->node;
    *x1 = std::min<long>(*x1, t->x1);
    *y1 = std::min<long>(*y1, t->y1);
    *x2 = std::max(*x2, TileRight(t));
    *y2 = std::max(*y2, TileTop(t));
  }
  return tiles;
}
