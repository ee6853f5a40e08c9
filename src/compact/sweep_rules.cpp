// The rules of one event. A rectangle's right event aligns equal right sides,
// closes the rectangle and updates the profile; its left event emits width,
// spacing (side and corner), abutment, left alignment, enclosure and
// same-layer overlap rows and detects pins.
#include <algorithm>
#include <cstdio>
#include <utility>

#include "common/scale.h"
#include "compact/sweep_internal.h"
#include "compact/sweep_profile.h"
#include "compact/symmetry_lists.h"
#include "compact/tile_sides.h"
#include "cs/cs.h"
#include "designrule/designrule.h"

void SweepProfile::insert(box_item* p) {
  int l = p->right_edge->layer_num;
  layers_[l].meet.BPSTinsert(p->y2, p->y1, p, p->seq);
  // The near-piece grids stand in for the shade trees.
  if (cell_) {
    gridInsert(layers_[l].byTop, p, p->y2, 0);
    gridInsert(layers_[l].byBottom, p, p->y1, 1);
  } else {
    layers_[l].below.BPSTinsert(p->y2, 2 * p->x2 - p->y2, p, p->seq);
    layers_[l].above.BPSTinsert(p->y1, p->y1 + 2 * p->x2, p, p->seq);
  }
}

void SweepProfile::remove(box_item* p) {
  int l = p->right_edge->layer_num;
  layers_[l].meet.BPSTdelete(p->y2, p->y1, p, p->seq);
  if (cell_) {
    gridRemove(p, 0);
    gridRemove(p, 1);
  } else {
    layers_[l].below.BPSTdelete(p->y2, 2 * p->x2 - p->y2, p, p->seq);
    layers_[l].above.BPSTdelete(p->y1, p->y1 + 2 * p->x2, p, p->seq);
  }
}

namespace {

int layerOf(const box_item* b) { return b->right_edge->layer_num; }
bool ruleLayer(int layer) { return layer >= 0 && layer < SweepProfile::kLayers; }

box_item* newPiece(_edge* side, box_item* origin, long x, long lo, long hi) {
  box_item* piece = SWnewBox(side, nullptr, x, lo, x, hi);
  piece->origin = origin->origin;
  return piece;
}

// The piece meets [lo, hi] at one end only and goes on beyond it: what B
// covers of it is nothing, and its remainder is itself.
bool touchesOnly(const box_item* P, long lo, long hi) {
  return (P->y2 == lo && P->y1 < lo) || (P->y1 == hi && P->y2 > hi);
}

bool touchVertically(const box_item* a, const box_item* b) { return a->y1 == b->y2 || a->y2 == b->y1; }

void countVisits(int* counters, int layer, size_t n) {
  if (layer >= 0 && layer < 16) counters[layer] += static_cast<int>(n);
}

unsigned long hideStamp = 0;

// X(a) - X(b) >= value, through the store's convention.
void atLeast(_edge* a, _edge* b, long value, _adjacency_list** eq, _rhs_list** rhs) {
  add_column_2(b, a, eq, rhs, value, 'G', 1, 1);
}
void equal(_edge* a, _edge* b, _adjacency_list** eq, _rhs_list** rhs) {
  add_column_2(b, a, eq, rhs, 0, 'E', 1, 1);
}

}  // namespace

void SWshowRightSide(box_item* B, SweepProfile* profile) {
  const int A = layerOf(B);
  if (!ruleLayer(A)) return;
  const long lo = B->y1, hi = B->y2;
  static std::vector<point> found;  // reused: one query at a time
  // Hide what B covers of the pieces it saw on its left.
  ++hideStamp;
  for (_edge_w_box* s = B->right_edge->Se; s; s = s->next) s->the_edge->mark = hideStamp;
  for (int L = 0; L < SweepProfile::kLayers; ++L) {
    if (!SPACING_VALID[A][L] || profile->empty(L)) continue;
    found.clear();
    profile->meeting(L, lo, hi, found);
    countVisits(SWprogress.lpRight, A, found.size());
    for (const point& p : found) {
      box_item* P = p.the_box;
      if (P->right_edge->mark != hideStamp || P->x2 >= B->x2 || touchesOnly(P, lo, hi)) continue;
      profile->remove(P);
      if (P->y1 < lo) profile->insert(newPiece(P->right_edge, P, P->x2, P->y1, lo));
      if (P->y2 > hi) profile->insert(newPiece(P->right_edge, P, P->x2, hi, P->y2));
    }
  }
  profile->insert(newPiece(B->right_edge, B, B->x2, lo, hi));
}

namespace {

void rightEvent(box_item* B, _adjacency_list** eq, _rhs_list** rhs, RBt* open_set,
                SweepProfile* profile) {
  const int A = layerOf(B);
  const long lo = B->y1, hi = B->y2;
  if (A >= 0 && A < 16) ++SWprogress.ctRight[A];
  static std::vector<point> found;  // reused: one query at a time
  found.clear();
  open_set->EnumerateRectangle(lo, SW_INFINITY, hi, found);
  countVisits(SWprogress.lpRight, A, found.size());
  for (const point& p : found) {
    box_item* O = p.the_box;
    if (O != B && O->x2 == B->x2 && touchVertically(O, B) && layerOf(O) == A)
      equal(B->right_edge, O->right_edge, eq, rhs);
  }
  open_set->BPSTdelete(B->y2, B->y1, B, B->seq);
  SWshowRightSide(B, profile);
}

void widthRow(box_item* B, int A, _adjacency_list** eq, _rhs_list** rhs) {
  if (!WIDTH_VALID[A]) return;
  const bool lv = SWvisible(B, SW_LEFT), rv = SWvisible(B, SW_RIGHT);
  const short dev = B->right_edge->mother_tile->activeDev;
  long value = 0;
  if (dev == 1 && lv && rv && TRAN_WIDTH_VALID[0])
    value = TRAN_WIDTH[0] * theGlobalScale;
  else if (dev == 3 && lv && rv && TRAN_LENGTH_VALID[0])
    value = TRAN_LENGTH[0] * theGlobalScale;
  else if (lv || rv) {
    value = WIDTH[A] * theGlobalScale;
    // Where no stretch of the tile has space on both sides, the tile is a
    // piece of a larger shape (the plane cut drawn rectangles into tiles) and
    // its own extent is no width of the material; it keeps at least what it
    // has, up to the rule.
    if (!SWseeThrough(B)) value = std::min(value, B->x2 - B->x1);
  }
  atLeast(B->right_edge, B->left_edge, value, eq, rhs);
}

// B's left side and the profile piece P see each other through space where
// they face (both sides visible is not enough: each may be covered by its own
// material just there). Pieces that meet B's extent only at an end face it
// over the unit next to that end.
bool facingSides(box_item* B, box_item* P) {
  long lo = std::max(B->y1, P->y1), hi = std::min(B->y2, P->y2);
  if (lo == hi) {
    const bool atBottom = lo == B->y1;
    return SWspaceIn(B, SW_LEFT, atBottom ? lo : lo - 1, atBottom ? lo + 1 : lo) &&
           SWspaceIn(P, SW_RIGHT, atBottom ? lo - 1 : lo, atBottom ? lo : lo + 1);
  }
  return SWspaceIn(B, SW_LEFT, lo, hi) && SWspaceIn(P, SW_RIGHT, lo, hi);
}

// Appends what `query` appends to `found`, sorted as the shade trees
// report: by the piece's end next to the corner (the point's x), then by
// its shade key, then by creation.
template <class Query>
void nearInOrder(std::vector<point>& found, bool below, Query query) {
  const auto first = static_cast<long>(found.size());
  query();
  for (auto it = found.begin() + first; it != found.end(); ++it) {
    const box_item* p = it->the_box;
    it->y = below ? 2 * p->x2 - p->y2 : p->y1 + 2 * p->x2;
  }
  std::sort(found.begin() + first, found.end(), [](const point& a, const point& b) {
    if (a.x != b.x) return a.x < b.x;
    if (a.y != b.y) return a.y < b.y;
    return a.seq < b.seq;
  });
}

}  // namespace

bool SWstatesSideRow(box_item* B, box_item* P, const SweepProfile* profile) {
  if (profile->nearCell() && B->x1 - P->x2 > profile->nearCell()) return false;  // left out: far
  return facingSides(B, P);
}

void SWcornerPieces(box_item* B, int L, SweepProfile* profile, bool nearOnly, std::vector<point>& out) {
  const long lo = B->y1, hi = B->y2;
  const size_t first = out.size();
  if (nearOnly) {
    // The same pieces in the same order as the shade queries, but only those
    // within the far distance (the grids' square).
    const long far = profile->nearCell();
    if (B->looks & SW_LOOK_BELOW)
      nearInOrder(out, true, [&] { profile->nearShadeBelow(L, B->x1, lo, far, out); });
    if (B->looks & SW_LOOK_ABOVE)
      nearInOrder(out, false, [&] { profile->nearShadeAbove(L, B->x1, hi, far, out); });
  } else {
    if (B->looks & SW_LOOK_BELOW) profile->shadeBelow(L, B->x1, lo, out);
    if (B->looks & SW_LOOK_ABOVE) profile->shadeAbove(L, B->x1, hi, out);
  }
  countVisits(SWprogress.lpLeft, layerOf(B), out.size() - first);
  // The end of the piece next to B's corner must be a corner of its material.
  auto kept = std::remove_if(out.begin() + static_cast<long>(first), out.end(), [lo](const point& p) {
    box_item* P = p.the_box;
    const bool isBelow = P->y2 <= lo;
    return !SWspaceIn(P, SW_RIGHT, isBelow ? P->y2 - 1 : P->y1, isBelow ? P->y2 : P->y1 + 1);
  });
  out.erase(kept, out.end());
}

namespace {

void spacingRows(box_item* B, int A, _adjacency_list** eq, _rhs_list** rhs, SweepProfile* profile) {
  const long lo = B->y1, hi = B->y2;
  const bool lv = SWvisible(B, SW_LEFT);
  static std::vector<point> found;  // reused: one query at a time
  found.clear();
  B->looks = lv ? SW_LOOK_LEFT : 0;
  for (int L = 0; L < SweepProfile::kLayers; ++L) {
    if (!SPACING_VALID[A][L] || profile->empty(L)) continue;
    const long s = SPACING[A][L] * theGlobalScale;
    found.clear();
    profile->meeting(L, lo, hi, found);
    countVisits(SWprogress.lpLeft, A, found.size());
    for (const point& p : found) {
      box_item* P = p.the_box;
      // A piece touching B's extent only at an end keeps all of itself when
      // B hides what it covers: recording it would change nothing.
      if (!touchesOnly(P, lo, hi)) B->right_edge->Se = SWnewSeEntry(P, P->right_edge, B->right_edge->Se);
      if (B->x1 == P->x2 && A == L)
        equal(B->left_edge, P->right_edge, eq, rhs);
      else if (lv && SWstatesSideRow(B, P, profile))
        atLeast(B->left_edge, P->right_edge, s, eq, rhs);
    }
  }
  if (!lv) return;
  // Corners: pieces wholly below or above B inside the shade of its left corners.
  const bool below = SWbottomCorner(B), above = SWtopCorner(B);
  B->looks |= static_cast<unsigned char>((below ? SW_LOOK_BELOW : 0) | (above ? SW_LOOK_ABOVE : 0));
  for (int L = 0; L < SweepProfile::kLayers && (below || above); ++L) {
    if (!SPACING_VALID[A][L] || profile->empty(L)) continue;
    const long s = SPACING[A][L] * theGlobalScale;
    found.clear();
    SWcornerPieces(B, L, profile, SWleaveFarRows != 0, found);
    for (const point& p : found) atLeast(B->left_edge, p.the_box->right_edge, s, eq, rhs);
  }
}

long ext(int outer, int inner) { return EXTENSION[outer][inner] * theGlobalScale; }

// One side of an enclosure between B (layer A) and the open rectangle O
// (layer L). `strict`: B's side lies strictly inside O's extent; otherwise the
// two sides coincide. "O encloses B" keeps B's side inside O's by e(L, A);
// "B encloses O" the other way, which with strictly nested sides only a
// negative rule can ask for. The enclosing side must also be an outer edge of
// its material where it faces the other rectangle: where its own plane goes
// on beyond it (a shape cut into tiles, or a gate tile between source and
// drain under the gate-layer tile of the same extent) the enclosure is the
// shape's, not this tile's.
void sideEnclosure(box_item* B, int A, box_item* O, int L, bool atLeft, bool strict,
                   _adjacency_list** eq, _rhs_list** rhs) {
  const SWside s = atLeft ? SW_LEFT : SW_RIGHT;
  const long lo = std::max(B->y1, O->y1), hi = std::min(B->y2, O->y2);
  _edge* bSide = atLeft ? B->left_edge : B->right_edge;
  _edge* oSide = atLeft ? O->left_edge : O->right_edge;
  // X(inner side) - X(outer side) >= e on the left, the reverse on the right.
  auto inside = [&](_edge* inner, _edge* outer, long e) {
    if (atLeft)
      atLeast(inner, outer, e, eq, rhs);
    else
      atLeast(outer, inner, e, eq, rhs);
  };
  if (EXTENSION_VALID[L][A] && SWfree(B, s) && SWfreeOver(O, s, lo, hi)) {
    modify_alpha(eq, O);
    inside(bSide, oSide, ext(L, A));
  }
  const bool innerRule = EXTENSION_VALID[A][L] && SWfree(O, s) && SWfreeOver(B, s, lo, hi);
  if (strict ? innerRule && EXTENSION[A][L] < 0 && SWfree(B, s) : innerRule) {
    modify_alpha(eq, B);
    inside(oSide, bSide, ext(A, L));
  }
}

void enclosureRows(box_item* B, int A, box_item* O, int L, _adjacency_list** eq, _rhs_list** rhs) {
  if (O->x1 < B->x1 && B->x1 < O->x2)
    sideEnclosure(B, A, O, L, true, true, eq, rhs);
  else if (O->x1 == B->x1 && B->x1 < O->x2)
    sideEnclosure(B, A, O, L, true, false, eq, rhs);
  if (O->x1 < B->x2 && B->x2 < O->x2)
    sideEnclosure(B, A, O, L, false, true, eq, rhs);
  else if (O->x1 < B->x2 && B->x2 == O->x2)
    sideEnclosure(B, A, O, L, false, false, eq, rhs);
}

// 2: B inside O in x, 3: O inside B, 4 and 5: staggered, 0: an end is shared.
int connectionClass(const box_item* B, const box_item* O) {
  if (B->x1 > O->x1 && O->x2 > B->x2) return 2;
  if (B->x1 < O->x1 && O->x2 > B->x2) return 3;
  if (B->x1 > O->x1 && O->x2 < B->x2) return 4;
  if (B->x1 < O->x1 && O->x2 < B->x2) return 5;
  return 0;
}

// The unit of a side next to the line where `t` touches `other`.
std::pair<long, long> nearTouch(const box_item* t, const box_item* other) {
  return t->y2 == other->y1 ? std::make_pair(t->y2 - 1, t->y2) : std::make_pair(t->y1, t->y1 + 1);
}
bool freeNearTouch(box_item* t, SWside s, const box_item* other) {
  auto [lo, hi] = nearTouch(t, other);
  return SWfreeOver(t, s, lo, hi);
}

// Two touching tiles of one layer with nested or staggered x-extents keep an
// overlap of at least the layer width. Each row pairs one end of each tile; it
// is stated only where both ends are outer edges of the shape at the line they
// share: when the plane cut one drawn shape into these tiles, another tile of
// it continues an end and the overlap there is not a neck of the shape.
void overlapOfOneLayer(box_item* B, int A, box_item* O, _adjacency_list** eq, _rhs_list** rhs) {
  if (B->y1 != O->y2 && B->y2 != O->y1) return;  // no shared line
  const long w = WIDTH_VALID[A] ? WIDTH[A] * theGlobalScale : 0;
  if (freeNearTouch(B, SW_RIGHT, O) && freeNearTouch(O, SW_LEFT, B))
    atLeast(B->right_edge, O->left_edge, w, eq, rhs);
  if (freeNearTouch(O, SW_RIGHT, B) && freeNearTouch(B, SW_LEFT, O))
    atLeast(O->right_edge, B->left_edge, w, eq, rhs);
}

void pinCheck(box_item* B) {
  long length = B->x2 - B->x1, width = B->y2 - B->y1;
  if (length < 0) length = -length;
  if (width < 0) width = -width;
  if (width == 0 || length / width <= 4) return;
  const bool top = SWfree(B, SW_TOP), bottom = SWfree(B, SW_BOTTOM);
  const bool left = SWfree(B, SW_LEFT), right = SWfree(B, SW_RIGHT);
  if (top && bottom && right && !left) SWaddPin(&OUTPUT_PINS, B->right_edge->sub);
  if (top && bottom && left && !right) SWaddPin(&INPUT_PINS, B->left_edge->sub);
}

void overlapRows(box_item* B, int A, _adjacency_list** eq, _rhs_list** rhs, RBt* open_set) {
  static std::vector<point> found;  // reused: one query at a time
  found.clear();
  open_set->EnumerateRectangle(B->y1, SW_INFINITY, B->y2, found);
  countVisits(SWprogress.lpLeft, A, found.size());
  if (found.empty()) {
    pinCheck(B);
    return;
  }
  for (const point& p : found) {
    box_item* O = p.the_box;
    if (O == B) continue;
    const int L = layerOf(O);
    if (O->x1 == B->x1 && touchVertically(O, B) && L == A) equal(B->left_edge, O->left_edge, eq, rhs);
    const bool intersect = O->x1 <= B->x2 && B->x1 <= O->x2;
    if (!intersect) continue;
    if (A != L && ruleLayer(L) && O->y1 < B->y2 && O->y2 > B->y1) enclosureRows(B, A, O, L, eq, rhs);
    if (A == L && connectionClass(B, O) != 0) overlapOfOneLayer(B, A, O, eq, rhs);
  }
}

void leftEvent(box_item* B, _adjacency_list** eq, _rhs_list** rhs, RBt* open_set,
               SweepProfile* profile) {
  const int A = layerOf(B);
  if (A >= 0 && A < 16) ++SWprogress.ctLeft[A];
  if (ruleLayer(A)) widthRow(B, A, eq, rhs);
  if (X_direction && all_sym_axes) all_sym_axes->lie_on_sym(B);
  if (ruleLayer(A)) {
    spacingRows(B, A, eq, rhs, profile);
    overlapRows(B, A, eq, rhs, open_set);
  }
  open_set->BPSTinsert(B->y2, B->y1, B, B->seq);
}

}  // namespace

void sweep_list::generate_rule(PROC_ITEM* item, _adjacency_list** eq, _rhs_list** rhs,
                               RBt* open_set, SweepProfile* profile) {
  if (item->step != item->box->x1)
    rightEvent(item->box, eq, rhs, open_set, profile);
  else
    leftEvent(item->box, eq, rhs, open_set, profile);
}
