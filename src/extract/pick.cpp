#include "extract/pick.h"

#include "common/message.h"
#include "cs/tile_marks.h"
#include "extract/plane_cursor.h"

DExPick DExPickTile(long x, long y) {
  if (DlayerNum == 0) return {DEX_PICK_NO_PLANES, nullptr};
  DExResetCursors();
  _Dtile *firstSolid = nullptr, *firstTile = nullptr;
  for (int p = 0; p < DlayerNum; ++p) {
    if (!DlayerTile[p].layertile) {
      GCmessage(GC_MOD_EXTRACT, 'W', "CS structure not ready");
      return {DEX_PICK_NOT_READY, nullptr};
    }
    _Dtile* t = DExFind(p, x, y);
    if (!firstTile) firstTile = t;
    if (!TisSolid(t)) continue;
    if (t->node > 0) return {DEX_PICK_NET, t};
    if (!firstSolid) firstSolid = t;
  }
  if (firstSolid) return {DEX_PICK_NO_NET, firstSolid};
  return {DEX_PICK_SPACE, firstTile};
}

bool DExPickedObject(const DExPick& pick) {
  switch (pick.kind) {
    case DEX_PICK_NOT_READY:
    case DEX_PICK_NO_NET:
      return false;
    case DEX_PICK_NO_PLANES:
      GCmessage(GC_MOD_EXTRACT, 'W', "Corner stitch structure not ready");
      return false;
    case DEX_PICK_SPACE:
      GCmessage(GC_MOD_EXTRACT, 'M', "No object selected");
      return false;
    case DEX_PICK_NET:
      if (TisElement(pick.tile)) {
        TestTile(pick.tile, 6);
        GCmessage(GC_MOD_EXTRACT, 'M', "It is a transistor");
        return false;
      }
      return true;
  }
  return false;
}
