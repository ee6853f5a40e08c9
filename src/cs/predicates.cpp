// Tile predicates and plane lookups.
#include <cstdlib>
#include <cstring>

#include "common/message.h"
#include "cs/cs.h"
#include "techc/tech.h"

void CSnetClash() { GCmessage(GC_MOD_CS, 'F', "Net extraction error"); }

bool TisInfinit(const _Dtile* t) {
  const long lim = GC_INFINITY - 1;
  return labs(t->x1) > lim || labs(t->y1) > lim || labs(TileRight(t)) > lim || labs(TileTop(t)) > lim;
}

bool LeftToArea(const _Dtile* t, const _box* box) { return TileRight(t) <= box->x1; }
bool BelowToArea(const _Dtile* t, const _box* box) { return TileTop(t) <= box->y1; }
bool RightEdgeInArea(const _Dtile* t, const _box* box) {
  return box->x1 <= TileRight(t) && TileRight(t) < box->x2;
}
bool Horizon(const _points* a, const _points* b) { return a->y == b->y; }
bool Vertical(const _points* a, const _points* b) { return a->x == b->x; }
bool Left(const _points* a, const _points* b) { return a->x < b->x; }
bool Right(const _points* a, const _points* b) { return a->x > b->x; }
bool Upper(const _points* a, const _points* b) { return a->y > b->y; }
bool Lower(const _points* a, const _points* b) { return a->y < b->y; }

int DnoLayerCS(const char* name) {
  for (int i = 0; i < DlayerNum; ++i)
    if (strcmp(DlayerTile[i].name, name) == 0) return 0;
  return 1;
}

_Dtile* NamedLayerTile(const char* name) {
  for (int i = 0; i < DlayerNum; ++i)
    if (strcmp(DlayerTile[i].name, name) == 0) return DlayerTile[i].layertile;
  return nullptr;
}

_Dtile* LayerTile(int number) {
  for (int i = 0; i < DlayerNum; ++i)
    if (DlayerTile[i].layer == number) return DlayerTile[i].layertile;
  return nullptr;
}

int DfindNumber(const char* name) {
  int index = DTlayerIndex(name);
  if (index < 0) GCfatal(GC_MOD_CS, 1, "Layer %s not found", name);
  return index;
}
