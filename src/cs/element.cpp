// Gate-layer rectangles: where one covers active material the overlap becomes
// an element tile in the active plane and in the gate plane.
#include "common/memory.h"
#include "cs/build.h"
#include "cs/hint_grid.h"
#include "cs/plane_internal.h"

namespace {
_Dtile* firstSolidIn(_Dtile* entry, const _rects* r) {
  Stitch = entry;
  return CSfirstSolid(r->x1, r->y1, r->x2, r->y2);
}

// Carving needs the box to be free space or inside one tile; overlapping
// gate rectangles can break that in the gate plane, and then the box is laid
// in like any other rectangle.
bool carvable(_Dtile* entry, const _box* b) {
  Stitch = entry;
  _Dtilelist* found = nullptr;
  AreaEnum(b->x1, b->y1, b->x2, b->y2, &found, 0);
  bool ok = !found->next;
  if (!ok) {
    ok = true;
    for (_Dtilelist* c = found; c; c = c->next) ok = ok && !TisSolid(c->tile);
  }
  FreeList(found);
  return ok;
}

_Dtile* carveElement(int plane, const _box* b, short type) {
  _DlayerTile& p = DlayerTile[plane];
  const unsigned short element = static_cast<unsigned short>(CS_ELEMENT | type);
  if (carvable(CShint(plane, b->x2, b->y1, p.layertile), b)) {
    _Dtile* t = TileCreation(b->x1, b->y1, b->x2, b->y2, nullptr);
    t->type = element;
    TileSetLayer(t, &p);
  } else {
    _rects r = GCrectOf(b->x1, b->y1, b->x2, b->y2);
    Stitch = p.layertile;
    Put1BoxCS(&r, static_cast<short>(element), plane);
  }
  p.layertile = Stitch;
  CShintRecord(plane, b->x2, b->y1, Stitch);
  return Stitch;
}
}  // namespace

_Dtile* ElementCreation(_rects* rect, short type, _Dtile* start, int plane) {
  DlayerTile[plane].layertile = start;
  _Dtile* active = firstSolidIn(CShint(0, rect->x2, rect->y1, DlayerTile[0].layertile), rect);
  if (!active) {
    Stitch = start;
    Put1BoxCS(rect, type, plane);
    DlayerTile[plane].layertile = Stitch;
    return Stitch;
  }
  _box* inter = nullptr;
  _rects* pieces = BoxMinus(rect->x1, rect->y1, rect->x2, rect->y2, active->x1, active->y1, TileRight(active),
                            TileTop(active), &inter);
  if (active->type != static_cast<unsigned short>(type) && inter) {
    carveElement(0, inter, type);
    carveElement(plane, inter, type);
  }
  for (_rects* piece = pieces; piece; piece = piece->next)
    ElementCreation(piece, type, DlayerTile[plane].layertile, plane);
  CSfreeRects(pieces);
  GCdelete(inter);
  Stitch = DlayerTile[plane].layertile;
  return Stitch;
}
