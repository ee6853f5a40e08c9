// Contact links: each contact tile points at one tile below and one above,
// and the two conductor tiles it joins list each other.
#include <cstdio>

#include "common/layout.h"
#include "cs/build.h"
#include "cs/hint_grid.h"
#include "cs/plane_internal.h"

namespace {
long warnings[6];
const char* const warningText[6] = {
    "CrtContact: WARNING, lower tilelist has more than 1 tile\n",
    "CsrContact: WARNING, invalid layer exists in lower layerlist\n",
    "CrtContact: WARNING: Possible contact position error (Lower)\n",
    "CrtContact: WARNING, upper tilelist has more than 1 tile\n",
    "CsrContact: WARNING, invalid layer exists in upper layerlist\n",
    "CrtContact: WARNING: Possible contact position error (Upper)\n",
};

// Printed the first time only; later occurrences are only counted.
void warn(int which) {
  if (warnings[which]++ == 0) fputs(warningText[which], stdout);
}

_Dtilelist* append(_Dtilelist* list, _Dtile* tile) {
  _Dtilelist* last = nullptr;
  for (_Dtilelist* c = list; c; c = c->next) {
    if (c->tile == tile) return list;
    last = c;
  }
  _Dtilelist* cell = TileToList(nullptr, tile);
  if (!last) return cell;
  last->next = cell;
  return list;
}

// The conductor tile of one side (0 lower, 3 upper) under the box; records it
// as the contact's single link on that side.
_Dtile* sideTile(_Dtile* entry, unsigned short entryType, long x1, long y1, long x2, long y2, _Dtile* contact,
                 int base) {
  Stitch = entry;
  _Dtilelist* found = nullptr;
  AreaEnum(x1, y1, x2, y2, &found, 0);
  if (found->next) warn(base);
  _Dtile* chosen = found->tile;
  for (_Dtilelist* c = found->next; c; c = c->next) {
    if (c->tile->type == entryType) {
      chosen = c->tile;
      break;
    }
    warn(base + 1);
  }
  bool mismatch = false;
  CSlink& link = base == 0 ? contact->lower : contact->upper;
  for (_Dtilelist* c = found; c; c = c->next) {
    if (TisSolid(c->tile) && c->tile->type == chosen->type) {
      if (!link) link = TileToList(nullptr, c->tile);
    } else {
      mismatch = true;
    }
  }
  if (mismatch) warn(base + 2);
  FreeList(found);
  return chosen;
}
int entryPlane(const _Dtile* entry) {
  for (int i = 0; i < DlayerNum; ++i)
    if (DlayerTile[i].layertile == entry) return i;
  return -1;
}
}  // namespace

long CScontactWarnings(int which) { return which >= 0 && which < 6 ? warnings[which] : 0; }

void CrtContact(_Dtile* lower, _Dtile* upper, int conLayer) {
  _Dtile* contactPlane = LayerTile(conLayer);
  if (!contactPlane || !Gflatten || conLayer < 0 || conLayer >= GC_MAX_SLOTS || !Gflatten->symbol[conLayer]) return;
  // The entry tiles move with the search; the layer types are those of the
  // entries as handed in.
  const unsigned short lowerType = lower->type, upperType = upper->type;
  const int conPlane = CSplaneIndex(conLayer);
  const int lowerPlane = entryPlane(lower), upperPlane = entryPlane(upper);
  for (_rects* r = Gflatten->symbol[conLayer]->rect; r; r = r->next) {
    Stitch = CShint(conPlane, r->x2, r->y1, contactPlane);
    _Dtile* contact = CSfirstSolid(r->x1, r->y1, r->x2, r->y2);
    contactPlane = Stitch;
    CShintRecord(conPlane, r->x2, r->y1, Stitch);
    if (!contact) continue;
    _Dtile* l = sideTile(CShint(lowerPlane, r->x2 + 1, r->y1 - 1, lower), lowerType, r->x1 - 1, r->y1 - 1,
                         r->x2 + 1, r->y2 + 1, contact, 0);
    lower = Stitch;
    CShintRecord(lowerPlane, r->x2 + 1, r->y1 - 1, Stitch);
    _Dtile* u = sideTile(CShint(upperPlane, r->x2, r->y1, upper), upperType, r->x1, r->y1, r->x2, r->y2, contact, 3);
    upper = Stitch;
    CShintRecord(upperPlane, r->x2, r->y1, Stitch);
    // Space never carries a net: only conductor tiles are joined.
    if (!TisSolid(l) || !TisSolid(u)) continue;
    u->lower = append(u->lower, l);
    l->upper = append(l->upper, u);
  }
}
