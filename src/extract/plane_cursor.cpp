#include "extract/plane_cursor.h"

#include <cstring>

namespace {
_Dtile* hint[32];

_Dtile* start(int plane) {
  if (plane < 0 || plane >= DlayerNum) return nullptr;
  if (!hint[plane]) hint[plane] = DlayerTile[plane].layertile;
  return hint[plane];
}
}  // namespace

void DExResetCursors() {
  for (_Dtile*& h : hint) h = nullptr;
}

int DExPlaneIndex(const char* name) {
  for (int i = 0; i < DlayerNum; ++i)
    if (strcmp(DlayerTile[i].name, name) == 0) return i;
  return -1;
}

int DExPlaneOfLayer(int layer) {
  for (int i = 0; i < DlayerNum; ++i)
    if (DlayerTile[i].layer == layer) return i;
  return -1;
}

_Dtile* DExFind(int plane, long x, long y) {
  _Dtile* s = start(plane);
  if (!s) return nullptr;
  Stitch = s;
  _Dtile* t = PointFind(x, y);
  hint[plane] = t;
  return t;
}

_Dtilelist* DExEnum(int plane, long x1, long y1, long x2, long y2) {
  _Dtile* s = start(plane);
  if (!s) return nullptr;
  Stitch = s;
  _Dtilelist* list = nullptr;
  AreaEnum(x1, y1, x2, y2, &list, 0);
  hint[plane] = Stitch;
  return list;
}

void DExVisit(int plane, long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*), void* context) {
  _Dtile* s = start(plane);
  if (!s) return;
  Stitch = s;
  hint[plane] = PointFind(x2, y1);
  CSvisitArea(x1, y1, x2, y2, visit, context);
}
