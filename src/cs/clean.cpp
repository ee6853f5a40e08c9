// Emptying a critical-area plane, and freeing every plane.
#include <cstring>

#include "common/layout.h"
#include "common/message.h"
#include "cs/build.h"
#include "cs/plane_internal.h"

// The fault code has already released the old inner tiles with their
// records, so only the frame is touched: it is reached from the top frame
// tile and stitched to a fresh space tile.
void DCcleanPlane(short plane) {
  if (plane < 0 || plane >= DlayerNum) return;
  _DlayerTile& p = DlayerTile[plane];
  _Dtile* top = p.bordertile;
  if (!top) return;
  _Dtile* topLeft = top->bl;
  _Dtile* topRight = top->tr;
  _Dtile* left = topLeft->lb;
  _Dtile* right = topRight->lb;
  _Dtile* bottom = left->lb->tr;
  _Dtile* centre = NewTile();
  centre->x1 = -GC_INFINITY;
  centre->y1 = -GC_INFINITY;
  centre->type = CS_SPACE;
  centre->bl = left, centre->rt = top, centre->tr = right, centre->lb = bottom;
  left->tr = centre;
  top->lb = centre;
  right->bl = centre;
  bottom->rt = centre;
  p.crittile = centre;
}

void CSdiscardPlanes() {
  for (_pin* pin = Gpin; pin; pin = pin->next) pin->tile = nullptr;
  CSreset();
}

int GCfreeCS() {
  CSdiscardPlanes();
  GCmessage(GC_MOD_COMMON, 'M', "The corner stitch layout is freed");
  return 1;
}
