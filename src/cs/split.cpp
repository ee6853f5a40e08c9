// Splitting a tile in two, keeping its contact links with the halves that
// still overlap the linked tiles.
#include <cstring>
#include <initializer_list>

#include "common/message.h"
#include "cs/cs.h"
#include "cs/plane_internal.h"
#include "techc/tech.h"

bool CScheckOverlap(_Dtile* a, _Dtile* b) {
  return a->x1 < TileRight(b) && b->x1 < TileRight(a) && a->y1 < TileTop(b) && b->y1 < TileTop(a);
}

namespace {
_Dtilelist* dropTile(_Dtilelist* list, _Dtile* tile) {
  return CSdropCells(list, [tile](_Dtile* t) { return t == tile; });
}

// Moves the links of `old` (its list `links`, the far side's back lists being
// `back`) to whichever halves overlap each linked tile.
void relink(_Dtilelist* links, _Dtile* old, _Dtile* fresh, bool upward) {
  for (_Dtilelist* c = links; c; c = c->next) {
    _Dtile* far = c->tile;
    CSlink& back = upward ? far->lower : far->upper;
    back = dropTile(back, old);
    for (_Dtile* half : {old, fresh}) {
      if (!CScheckOverlap(half, far)) continue;
      if (upward) {
        half->upper = TileToList(half->upper, far);
        far->lower = TileToList(far->lower, half);
      } else {
        half->lower = TileToList(half->lower, far);
        far->upper = TileToList(far->upper, half);
      }
    }
  }
}
}  // namespace

void TileSplit(_Dtile* tile, _points point, int dir, _Dtile** newTile, int keepnode) {
  if (!tile) {
    GCmessage(GC_MOD_CS, 'F', "target tile does not exist");
    return;
  }
  if (dir == CS_CUT_VERTICAL && !(tile->x1 < point.x && point.x < TileRight(tile))) {
    GCmessage(GC_MOD_CS, 'F', "cutline x-coordiate is not inside the target tile");
    return;
  }
  if (dir == CS_CUT_HORIZONTAL && !(tile->y1 < point.y && point.y < TileTop(tile))) {
    GCmessage(GC_MOD_CS, 'F', "cutline y-coordinate is not inside the target tile");
    return;
  }
  if (dir != CS_CUT_VERTICAL && dir != CS_CUT_HORIZONTAL) return;
  _Dtile* fresh = NewTile();
  if (!fresh) GCfatal(GC_MOD_CS, 1, "Can not create a new tile");
  fresh->type = tile->type;
  fresh->processed = tile->processed;
  fresh->tran_sharing = tile->tran_sharing;
  fresh->activeDev = tile->activeDev;
  fresh->passiveDev = tile->passiveDev;
  fresh->layer = tile->layer;
  fresh->node = keepnode == 1 ? tile->node : -1;
  _Dtilelist* oldUpper = tile->upper;
  _Dtilelist* oldLower = tile->lower;
  tile->upper = tile->lower = nullptr;
  if (dir == CS_CUT_VERTICAL)
    CScutVertical(tile, point.x, fresh);
  else
    CScutHorizontal(tile, point.y, fresh);
  CSupdateCon(fresh);
  relink(oldUpper, tile, fresh, true);
  relink(oldLower, tile, fresh, false);
  FreeList(oldUpper);
  FreeList(oldLower);
  if (newTile) *newTile = fresh;
}

void CSupdateCon(_Dtile* tile) {
  if (!tile->layer) return;
  const char* plane = TileLayer(tile)->name;
  for (int i = 0; i < DconNum; ++i) {
    const _Dconnect& c = Dconnect[i];
    bool isLower = strcmp(c.lowerLayer, plane) == 0;
    if (!isLower && strcmp(c.upperLayer, plane) != 0) continue;
    _Dtile* entry = NamedLayerTile(c.conLayer);
    if (!entry) continue;
    Stitch = entry;
    _Dtilelist* found = nullptr;
    AreaEnum(tile->x1, tile->y1, TileRight(tile), TileTop(tile), &found, 0);
    for (_Dtilelist* f = found; f; f = f->next) {
      if (!TisSolid(f->tile)) continue;
      CSlink& links = isLower ? f->tile->lower : f->tile->upper;
      FreeList(links);
      links = TileToList(nullptr, tile);
    }
    FreeList(found);
  }
}
