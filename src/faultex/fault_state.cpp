// The shared state of the fault commands: lists, counters, the defect size
// and the plane lookups.
#include <algorithm>
#include <cstdio>

#include "common/defect_scale.h"
#include "common/message.h"
#include "common/scale.h"
#include "display/viewport.h"
#include "faultex/fault.h"
#include "faultex/fault_lists.h"
#include "faultex/short_faults.h"
#include "techc/tech.h"
#include "xtractRC/find_net.h"

_DfaultTable FaultTable = {nullptr, nullptr};
int FShortNum = 0;
int FOpenNum = 0;
long DefectSize = 0;

long DFdefectSize() {
  DefectSize = DIscaleValue() * theGlobalScale / 10;
  return DefectSize;
}

double DFunitsPerMicron() { return theGlobalScale > 0 ? static_cast<double>(theGlobalScale) : 1.0; }

int DFfindPlane(int layer) {
  for (int p = 0; p < DlayerNum; ++p)
    if (DlayerTile[p].layer == layer) return p;
  return -1;
}

int DFlayerIndex(int layer) {
  int p = DFfindPlane(layer);
  if (p >= 0) return p;
  GCmessage(GC_MOD_FAULT, 'F', "The layer not found");
  GCfatal(GC_MOD_FAULT, 0, "Check the routine DFlayerIndex()");
}

int DFactiveIndex() {
  const int l = DTactiveLayer();
  return l < 0 ? -1 : DFfindPlane(Glayers[l].layer);
}

void DFresetPlane(int plane) {
  if (plane < 0 || plane >= DlayerNum || !DlayerTile[plane].layertile) return;
  Stitch = DlayerTile[plane].layertile;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 1);
  FreeList(all);
}

void DFreset() {
  DFcleanShortBuffer();
  DFcleanOpenBuffer();
  FShortNum = 0;
  FOpenNum = 0;
  DefectSize = 0;
  DFresetFaultFile();
}

void DFvisibleWindow(long* x1, long* y1, long* x2, long* y2) { GCvisibleWindow(&Vmain, x1, y1, x2, y2); }

int DFrunOnVisibleWindow(DFwindowPass pass) {
  if (!DFinit()) return 0;
  int plane;
  if (!DFneedActivePlane(&plane)) return 0;
  long x1, y1, x2, y2;
  DFvisibleWindow(&x1, &y1, &x2, &y2);
  pass(x1, y1, x2, y2, plane, DFdefectSize());
  return 1;
}

int DFrunOnSelectedNet(DFnetPass pass) {
  if (!DFinit() || !DFselectedNet()) return 0;
  pass(-1, DFdefectSize());
  return 1;
}

_Dtilelist* DFenumerate(_Dtile* inPlane, long x1, long y1, long x2, long y2) {
  Stitch = inPlane;
  _Dtilelist* found = nullptr;
  AreaEnum(std::max(x1, -GC_INFINITY), std::max(y1, -GC_INFINITY), std::min(x2, GC_INFINITY),
           std::min(y2, GC_INFINITY), &found, 0);
  return found;
}

_Dtilelist* DFretrace(_Dtile* tile, _box* b) {
  b->x1 = b->y1 = GC_INFINITY;
  b->x2 = b->y2 = -GC_INFINITY;
  return DExFindNet(tile, &b->x1, &b->y1, &b->x2, &b->y2);
}

bool DFneedActivePlane(int* plane) {
  *plane = DFactiveIndex();
  if (*plane >= 0) return true;
  GCmessage(GC_MOD_FAULT, 'W', "Select an active layer first");
  return false;
}

bool DFselectedNet() {
  const _Dtilelist* s = DlayerTile[0].selected;
  if (s && s->tile && s->tile->node > 0) return true;
  GCmessage(GC_MOD_FAULT, 'W', "No net has been selected");
  return false;
}
