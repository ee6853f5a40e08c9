// Shared helpers for the plane tests: a fresh one-plane table, and an
// independent view of a plane (all its tiles as plain rectangles, found by a
// flood over the stitches rather than through the enumeration under test).
#pragma once
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "common/memory.h"
#include "common/message.h"
#include "common/switches.h"
#include "cs/cs.h"

struct TileRect {
  long x1, y1, x2, y2;
  unsigned short type;
  bool operator<(const TileRect& o) const {
    return std::tie(x1, y1, x2, y2, type) < std::tie(o.x1, o.y1, o.x2, o.y2, o.type);
  }
  bool operator==(const TileRect& o) const = default;
};

inline TileRect rectOf(const _Dtile* t) { return {t->x1, t->y1, TileRight(t), TileTop(t), t->type}; }

inline std::vector<_Dtile*> listed(_Dtilelist* list) {
  std::vector<_Dtile*> v;
  for (; list; list = list->next) v.push_back(list->tile);
  return v;
}

class PlaneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CSreset();
    Silently = 1;
    DlayerNum = 1;
    DlayerTile[0].layer = 1;
    DlayerTile[0].layertile = Init1LayerCS();
    Stitch = DlayerTile[0].layertile;
  }
  void TearDown() override { CSreset(); }

  _Dtile* put(long x1, long y1, long x2, long y2, short type = 1) {
    _rects r = GCrectOf(x1, y1, x2, y2);
    Stitch = DlayerTile[0].layertile;
    _Dtile* t = Put1BoxCS(&r, type, 0);
    DlayerTile[0].layertile = Stitch;
    return t;
  }

  // Every tile reachable through the stitches, frame tiles excluded.
  static std::vector<_Dtile*> flood(_Dtile* start) {
    std::set<_Dtile*> seen{start};
    std::vector<_Dtile*> todo{start}, inner;
    while (!todo.empty()) {
      _Dtile* t = todo.back();
      todo.pop_back();
      if (t->type != CS_FRAME) inner.push_back(t);
      for (_Dtile* n : {t->rt, t->tr, t->lb, t->bl})
        if (n && seen.insert(n).second) todo.push_back(n);
    }
    return inner;
  }

  static std::set<TileRect> innerRects() {
    std::set<TileRect> out;
    for (_Dtile* t : flood(DlayerTile[0].layertile)) out.insert(rectOf(t));
    return out;
  }
};
