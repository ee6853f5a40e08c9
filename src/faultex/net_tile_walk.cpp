#include "faultex/net_tile_walk.h"

#include <cstdio>

#include "common/switches.h"
#include "faultex/net_walk.h"

void DFwalkWindowNets(long x1, long y1, long x2, long y2, int plane, bool progress,
                      const std::function<void(_Dtile*)>& net) {
  const int layer = DlayerTile[plane].layer;
  Stitch = DlayerTile[plane].layertile;
  _Dtilelist* window = nullptr;
  AreaEnum(x1, y1, x2, y2, &window, 1);
  if (progress && !Silently) fputs("Processing net :         ", stderr);
  for (_Dtilelist* c = window; c; c = c->next) {
    _Dtile* t = c->tile;
    if (t->processed || !TisType(t, layer) || t->node <= 0) continue;
    if (progress) DFcounter(t->node);
    net(t);
  }
  FreeList(window);
}
