// Showing a net: f.DExShowObj highlights the net under a point,
// f.DExSelectNetTileObj selects it, the FindNet form highlights a net by number.
#include <cstdio>

#include "common/message.h"
#include "display/window_hooks.h"
#include "extract/net.h"
#include "extract/pick.h"
#include "extract/point_request.h"

namespace {
_Dtilelist* netTiles(long n) {
  for (_Dnet* net = Nets; net; net = net->next)
    if (net->node == n) return net->tilelist;
  return nullptr;
}

void replace(_Dtilelist** list, long n) {
  FreeList(*list);
  *list = DExDupList(netTiles(n));
}

void showPicked(long x, long y, bool select) {
  DExPick pick = DExPickTile(x, y);
  if (!DExPickedObject(pick)) return;
  fprintf(stderr, "Net number: %d\n", pick.tile->node);
  replace(select ? &DlayerTile[0].selected : &DlayerTile[0].highlight, pick.tile->node);
  DImainRedraw();
}
}  // namespace

void DExShowObjExe(long x, long y) { showPicked(x, y, false); }
void DExSelectNetTileObjExe(long x, long y) { showPicked(x, y, true); }

int DExShowObj() {
  DExAskPoint(DExShowObjExe, true);
  return 1;
}

int DExSelectNetTileObj() {
  DExAskPoint(DExSelectNetTileObjExe, true);
  return 1;
}

int DExShowANet() { return 1; }
int DExShowATran() { return 1; }

void DExSearchNet(long n) {
  for (int p = 0; p < DlayerNum; ++p) {
    if (!DlayerTile[p].layertile) {
      GCmessage(GC_MOD_EXTRACT, 'W', "CS structure not ready");
      return;
    }
  }
  _Dtilelist* tiles = netTiles(n);
  if (!tiles || n == 0) return;
  printf("Net number: %ld\n", n);
  replace(&DlayerTile[0].highlight, n);
  DImainRedraw();
}
