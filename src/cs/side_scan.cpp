#include "cs/side_scan.h"

#include <cstdint>

bool CSplainWalks = false;

namespace {
enum Side { TOP, RIGHT, BOTTOM, LEFT, SIDES };
constexpr int PLAIN_STEPS = 8;  // scans this short never look at a finger
constexpr int FINGER_BITS = 14;

struct Finger {
  _Dtile* from;
  _Dtile* to;
};
Finger fingers[SIDES][1 << FINGER_BITS];

Finger& fingerOf(Side side, const _Dtile* t) {
  uint64_t h = (reinterpret_cast<uintptr_t>(t) >> 4) * 0x9E3779B97F4A7C15ull;
  return fingers[side][h >> (64 - FINGER_BITS)];
}

// The stitch by which a neighbour on `side` points back at the tile.
_Dtile* backStitch(Side side, const _Dtile* n) {
  switch (side) {
    case TOP: return n->lb;
    case RIGHT: return n->bl;
    case BOTTOM: return n->rt;
    default: return n->tr;
  }
}

// The finger of `t` on `side`, or null when it no longer touches t.
_Dtile* finger(Side side, const _Dtile* t) {
  Finger& f = fingerOf(side, t);
  return f.from == t && f.to && backStitch(side, f.to) == t ? f.to : nullptr;
}

void remember(Side side, _Dtile* t, _Dtile* n) {
  if (n && backStitch(side, n) == t) fingerOf(side, t) = {t, n};
}

// Steps along a side against the direction of its chain.
_Dtile* nextRightOnTop(_Dtile* n) {  // the tile right of n at n's bottom
  _Dtile* r = n->tr;
  while (r->y1 > n->y1) r = r->lb;
  return r;
}
_Dtile* nextLeftOnBottom(_Dtile* n) {  // the tile left of n at n's top
  _Dtile* l = n->bl;
  while (TileTop(l) < TileTop(n)) l = l->rt;
  return l;
}
_Dtile* nextBelowOnLeft(_Dtile* n) {  // the tile below n at n's right edge
  _Dtile* b = n->lb;
  while (TileRight(b) < TileRight(n)) b = b->tr;
  return b;
}
_Dtile* nextAboveOnRight(_Dtile* n) {  // the tile above n at n's left edge
  _Dtile* a = n->rt;
  while (a->x1 > n->x1) a = a->bl;
  return a;
}
}  // namespace

void CSfingersReset() {
  for (auto& side : fingers)
    for (Finger& f : side) f = {nullptr, nullptr};
}

_Dtile* CStopAt(_Dtile* t, long x) {
  _Dtile* n = t->rt;
  for (int i = 0; n && n->x1 >= x; ++i) {
    if (i == PLAIN_STEPS && !CSplainWalks) {
      if (_Dtile* f = finger(TOP, t); f && f->x1 < n->x1) n = f;
      while (n->x1 >= x) n = n->bl;
      while (TileRight(n) < x) n = nextRightOnTop(n);
      remember(TOP, t, n);
      return n;
    }
    n = n->bl;
  }
  return n;
}

_Dtile* CSbottomAt(_Dtile* t, long x) {
  _Dtile* n = t->lb;
  for (int i = 0; n && TileRight(n) < x; ++i) {
    if (i == PLAIN_STEPS && !CSplainWalks) {
      if (_Dtile* f = finger(BOTTOM, t); f && f->x1 > n->x1) n = f;
      while (TileRight(n) < x) n = n->tr;
      while (n->x1 >= x) n = nextLeftOnBottom(n);
      remember(BOTTOM, t, n);
      return n;
    }
    n = n->tr;
  }
  return n;
}

_Dtile* CSleftAt(_Dtile* t, long y) {
  _Dtile* n = t->bl;
  for (int i = 0; n && TileTop(n) <= y; ++i) {
    if (i == PLAIN_STEPS && !CSplainWalks) {
      if (_Dtile* f = finger(LEFT, t); f && f->y1 > n->y1) n = f;
      while (TileTop(n) <= y) n = n->rt;
      while (n->y1 > y) n = nextBelowOnLeft(n);
      remember(LEFT, t, n);
      return n;
    }
    n = n->rt;
  }
  return n;
}

_Dtile* CSrightAt(_Dtile* t, long y) {
  _Dtile* n = t->tr;
  for (int i = 0; n && n->y1 > y; ++i) {
    if (i == PLAIN_STEPS && !CSplainWalks) {
      if (_Dtile* f = finger(RIGHT, t); f && f->y1 < n->y1) n = f;
      while (n->y1 > y) n = n->lb;
      while (TileTop(n) <= y) n = nextAboveOnRight(n);
      remember(RIGHT, t, n);
      return n;
    }
    n = n->lb;
  }
  return n;
}
