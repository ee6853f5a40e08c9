// Geometry of critical areas: where the centre of a square defect must fall
// to join two conductors (bridge) or to cut a conductor between two space
// tiles (break).
#pragma once

#include "common/layout.h"
#include "cs/cs.h"

// The bridge critical area of tiles A and B for defect size d: both grown by
// d/2, intersected. With K given and A, B apart in x, B's vertical extent is
// first clipped to K's. A tile of the active layer does not bridge to a tile
// across solid material (source and drain across their gate). A new box for
// the caller to free (GCdelete), or null.
_box* DFcrtArea(_Dtile* a, _Dtile* b, _Dtile* k, long d);
// The overlap of two tiles with positive area (a new box), or null.
_box* DFcrtOverlap(_Dtile* a, _Dtile* b);
// The rectangle between two tiles: across the gap where they are apart, over
// their common range in the other direction. Null when there is none.
_box* DFcrossTalk(_Dtile* a, _Dtile* b);
// True when the two tiles share a positive range in x.
bool DFvertPosition(_Dtile* a, _Dtile* b);
// True when the box (enumerated in the plane that Stitch points into) holds
// anything but solid tiles of net `net`; the first such tile is returned.
bool DFspaceTinArea(const _box* box, long net, _Dtile** tile);

// Rectangles as plain values, for the fault code's own arithmetic.
struct DFrect {
  long x1, y1, x2, y2;
};
inline DFrect DFtileRect(const _Dtile* t) { return {t->x1, t->y1, TileRight(t), TileTop(t)}; }
_box* DFnewBox(long x1, long y1, long x2, long y2);
