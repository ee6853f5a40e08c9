// Layouts for the sweep tests: tile planes built from rectangles of the
// default technology's layers, the sweep run in both directions, and the rows
// read back by the independent checker of row_check.h.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/scale.h"
#include "common/switches.h"
#include "compact/row_check.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "designrule/designrule_test_support.h"
#include "techc/tech.h"

// Default technology layer numbers.
enum { CPG = 0, CVA = 1, CSN = 2, CMS = 3, CSP = 4, CCA = 5, CCP = 6, CWN = 7, CMF = 8, CAA = 9 };
inline constexpr long LAMBDA = 40;  // internal units per grid unit (theGlobalScale)

struct Rect {
  int layer;
  long x1, y1, x2, y2;  // in grid units
};

class SweepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CSreset();
    SWreset();
    DRreset();
    Silently = 1;
    theGlobalScale = LAMBDA;
    SetDefaultLayerNames();
  }
  void TearDown() override {
    SWfreeRows(&rhsX);
    SWfreeRows(&rhsY);
    SWreset();
    CSreset();
  }

  // Planes for the layers used, in order of first use; returns each rectangle's tile.
  std::vector<_Dtile*> build(const std::vector<Rect>& rects) {
    std::map<int, int> plane;
    for (const Rect& r : rects) {
      if (plane.count(r.layer)) continue;
      int k = DlayerNum++;
      plane[r.layer] = k;
      DlayerTile[k].layer = static_cast<short>(r.layer);
      snprintf(DlayerTile[k].name, sizeof DlayerTile[k].name, "%s", Glayers[r.layer].name);
      DlayerTile[k].layertile = Init1LayerCS();
    }
    for (const Rect& r : rects) {
      int k = plane[r.layer];
      _rects box = GCrectOf(r.x1 * LAMBDA, r.y1 * LAMBDA, r.x2 * LAMBDA, r.y2 * LAMBDA);
      Stitch = DlayerTile[k].layertile;
      Put1BoxCS(&box, static_cast<short>(r.layer), k);
      DlayerTile[k].layertile = Stitch;
    }
    std::vector<_Dtile*> tiles;
    for (const Rect& r : rects) {
      Stitch = DlayerTile[plane[r.layer]].layertile;
      tiles.push_back(PointFind(r.x1 * LAMBDA + 1, r.y1 * LAMBDA));
    }
    return tiles;
  }

  // Variables and both sweeps; stdout of the sweep is swallowed.
  void run() {
    testing::internal::CaptureStdout();
    scan_toget_variables();
    SWsweepDirection(1, &rhsX);
    SWsweepDirection(0, &rhsY);
    sweepOutput = testing::internal::GetCapturedStdout();
    rows.clear();
    collectRows(equat_bucket, SWcolumns(1), rhsX, true, rows);
    collectRows(equat_bucket_y, SWcolumns(0), rhsY, false, rows);
  }

  std::vector<Row> violated() const { return violatedOf(rows); }

  // The row "X(a) - X(b) type value" between the given sides, as in the store.
  static bool isRow(const Row& r, const _edge* a, const _edge* b) {
    if (r.terms.size() != 2) return false;
    int ca = 0, cb = 0;
    for (auto& [c, e] : r.terms) {
      if (e == a) ca = c;
      if (e == b) cb = c;
    }
    return ca == 1 && cb == -1;
  }

  std::vector<Row> rowsBetween(const _edge* a, const _edge* b) const {
    std::vector<Row> out;
    for (const Row& r : rows)
      if (isRow(r, a, b)) out.push_back(r);
    return out;
  }

  // The variable of a tile's side: side 'l', 'r', 'b' or 't'.
  static _edge* side(const _Dtile* tile, char which) {
    bool x = which == 'l' || which == 'r';
    _adjacency_list** eq = x ? equat_bucket : equat_bucket_y;
    for (int k = 0; k < SWcolumns(x); ++k) {
      _edge* e = eq[k]->the_edge;
      if (e->mother_tile == tile && e->upward == (which == 'l' || which == 'b')) return e;
    }
    return nullptr;
  }

  std::vector<Row> rows;
  _rhs_list rhsX, rhsY;
  std::string sweepOutput;
};
