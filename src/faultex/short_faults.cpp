// Bridges between nets on one layer and pinholes between nets on stacked
// layers: collection per net into the critical planes, the whole-layout, one-
// net and one-layer drivers, and the display of bridge critical areas.
#include "faultex/short_faults.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>

#include "common/cputime.h"
#include "common/memory.h"
#include "common/message.h"
#include "cs/tile_marks.h"
#include "extract/net.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "faultex/net_tile_walk.h"
#include "faultex/net_walk.h"
#include "faultex/open_faults.h"
#include "techc/tech.h"

namespace {
long netOf(const _Dtile* t) { return labs(t->node); }

int planeOf(const _Dtile* t) { return DFlayerIndex(t->type & 0xFF); }

void insertCritical(int plane, const _box* area, long a, long b, short flag) {
  Stitch = DlayerTile[plane].crittile;
  DlayerTile[plane].crittile = Put1CritCS(area, static_cast<int>(a), static_cast<int>(b), flag);
}

// Bridges of one tile T of the net with the other nets of its layer.
void bridgesOf(_Dtile* t, long d) {
  const int k = planeOf(t);
  const long net = netOf(t);
  _Dtilelist* near = DFenumerate(t, t->x1 - d, t->y1 - d, TileRight(t) + d, TileTop(t) + d);
  for (_Dtilelist* c = near; c; c = c->next) {
    _Dtile* u = c->tile;
    if (!TisType(u, DlayerTile[k].layer) || u->node <= 0 || u->node == net) continue;
    _box* area = DFcrtArea(t, u, nullptr, d);
    if (!area) continue;
    insertCritical(k, area, net, u->node, u->processed);
    GCdelete(area);
  }
  FreeList(near);
}

// Writes the short list of one net to the file of `layer` and clears it.
void flushNet(int layer, int kind) {
  if (!FaultTable.shorts) return;
  DFflushFault(layer, kind, 1);
  DFcleanShortBuffer();
}

void wholeLayout(int kind, long d) {
  FShortNum = 0;
  GCcpuTime(0, kind == DF_KIND_SHORT ? "DFextraLayers" : "DFpinholes");
  DFwalkNets([&](_Dtile* tile) {
    _box bounds;
    _Dtilelist* tiles = DFretrace(tile, &bounds);
    if (kind == DF_KIND_SHORT)
      DFproc1NetS(tiles, -1, d);
    else
      DFproc1NetPin(tiles);
    DFScritAscan();
    flushNet(-1, kind);
    FreeList(tiles);
  });
  DFflushFault(-1, kind, 0);
  DFresetPlanes();
  GCmessage(GC_MOD_FAULT, 'M', "%d short faults have been extracted", FShortNum);
  GCcpuTime(1, kind == DF_KIND_SHORT ? "DFextraLayers" : "DFpinholes");
}
}  // namespace

bool DFinit() {
  if (NetsNum <= 0 || !Nets) {
    GCmessage(GC_MOD_FAULT, 'W', "You must do circuit extraction first");
    return false;
  }
  FShortNum = 0;
  FOpenNum = 0;
  DFfreeBreakList();
  return true;
}

void DFproc1NetS(_Dtilelist* tiles, int plane, long d) {
  for (_Dtilelist* c = tiles; c; c = c->next) {
    if (plane < 0 || planeOf(c->tile) == plane) bridgesOf(c->tile, d);
    c->tile->processed = 1;
  }
}

int DFfindNeighborL(int plane, int* planes) {
  int n = 0;
  const char* name = DlayerTile[plane].name;
  for (int i = 0; i < DconNum; ++i) {
    const char* other = nullptr;
    if (strcmp(Dconnect[i].lowerLayer, name) == 0) other = Dconnect[i].upperLayer;
    else if (strcmp(Dconnect[i].upperLayer, name) == 0) other = Dconnect[i].lowerLayer;
    if (!other) continue;
    for (int p = 0; p < DlayerNum; ++p)
      if (strcmp(DlayerTile[p].name, other) == 0 && n < CS_MAX_PLANES) planes[n++] = p;
  }
  return n;
}

void DFproc1NetPin(_Dtilelist* tiles) {
  for (_Dtilelist* c = tiles; c; c = c->next) {
    _Dtile* t = c->tile;
    const int k = planeOf(t);
    const long net = netOf(t);
    int planes[CS_MAX_PLANES];
    const int n = DFfindNeighborL(k, planes);
    for (int i = 0; i < n; ++i) {
      _Dtilelist* over = DFenumerate(DlayerTile[planes[i]].layertile, t->x1, t->y1, TileRight(t), TileTop(t));
      for (_Dtilelist* o = over; o; o = o->next) {
        _Dtile* u = o->tile;
        if (!TisSolid(u) || u->processed != 0 || u->node <= 0 || u->node == net) continue;
        _box* area = DFcrtOverlap(t, u);
        if (!area) continue;
        insertCritical(k, area, net, u->node, 0);
        GCdelete(area);
      }
      FreeList(over);
    }
    t->processed = 1;
  }
}

void DFextraLayers(int, long d) { wholeLayout(DF_KIND_SHORT, d); }
void DFpinholes() { wholeLayout(DF_KIND_PINHOLE, DefectSize); }

void DFextra1Net(int plane, long d) {
  _box bounds;
  _Dtilelist* tiles = DFretrace(DlayerTile[0].selected->tile, &bounds);
  DFproc1NetS(tiles, plane, d);
  DFScritAscan();
  DFcleanShortBuffer();
  FreeList(tiles);
  DFresetPlanes();
  GCmessage(GC_MOD_FAULT, 'M', "%d short faults have been extracted", FShortNum);
}

void DFextra1Layer(long x1, long y1, long x2, long y2, int plane, long d) {
  FShortNum = 0;
  const int layer = DlayerTile[plane].layer;
  DFwalkWindowNets(x1, y1, x2, y2, plane, true, [&](_Dtile* t) {
    _box bounds;
    _Dtilelist* tiles = DFretrace(t, &bounds);
    DFproc1NetS(tiles, plane, d);
    DFScritAscan();
    flushNet(layer, DF_KIND_SHORT);
    FreeList(tiles);
  });
  DFflushFault(layer, DF_KIND_SHORT, 0);
  DFresetPlanes();
  fprintf(stderr, "\n%d short faults have been extracted.\n", FShortNum);
}

void DFdisp1Short(long x1, long y1, long x2, long y2, int plane, long d) {
  Stitch = DlayerTile[plane].layertile;
  _Dtilelist* window = nullptr;
  AreaEnum(x1, y1, x2, y2, &window, 0);
  const int layer = DlayerTile[plane].layer;
  for (_Dtilelist* c = window; c; c = c->next)
    if (TisType(c->tile, layer) && c->tile->node > 0) bridgesOf(c->tile, d);
  FreeList(window);
  DFScritAscan();
  DFcleanShortBuffer();
  FShortNum = 0;
}

int DFex1LayerS() { return DFrunOnVisibleWindow(DFextra1Layer); }

int DFex1NetS() { return DFrunOnSelectedNet(DFextra1Net); }

int DFexLayersS() {
  if (!DFinit()) return 0;
  GCmessage(GC_MOD_FAULT, 'M', "Extracting the shorts caused by the spot defects");
  DFextraLayers(-1, DFdefectSize());
  return 1;
}

int DFexLayersP() {
  if (!DFinit()) return 0;
  GCmessage(GC_MOD_FAULT, 'M', "Extracting the shorts caused by the pinholes");
  DFdefectSize();
  DFpinholes();
  return 1;
}

int DFshowShort() { return DFrunOnVisibleWindow(DFdisp1Short); }
