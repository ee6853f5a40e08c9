// The sweep after a whole load: CIF, planes, transistor extraction.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "batch/batch_startup.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "techc/tech.h"

namespace {

long coordinate(const _edge* e, bool x) {
  const _Dtile* t = e->mother_tile;
  if (x) return e->upward ? t->x1 : TileRight(t);
  return e->upward ? t->y1 : TileTop(t);
}

// Rows that the input geometry does not satisfy, as (row, edges).
std::vector<std::vector<_edge*>> violatedRows(_adjacency_list** eq, int columns, const _rhs_list& rhs, bool x) {
  std::map<int, std::vector<std::pair<int, _edge*>>> terms;
  for (int k = 0; k < columns; ++k)
    for (_equation_item* it = eq[k]->head; it; it = it->next) terms[it->rank].push_back({it->coeff, eq[k]->the_edge});
  std::vector<std::vector<_edge*>> bad;
  for (const _rhs_item* r = rhs.head; r; r = r->next) {
    long v = 0;
    std::vector<_edge*> edges;
    for (auto& [c, e] : terms[r->column]) {
      v += c * coordinate(e, x);
      edges.push_back(e);
    }
    bool ok = r->type == 'E' ? v == r->value : r->type == 'G' ? v >= r->value : v <= r->value;
    if (!ok) bad.push_back(edges);
  }
  return bad;
}

TEST(SweepPipeline, CleanTransistorRowsHoldExceptBetweenGateTilesOfTwoPlanes) {
  BAstartup();
  CSreset();
  DExInit();
  DIacceptCB(12, CORVID_TEST_DATA "/compact/clean_nmos.cif");
  ASSERT_EQ(TransNum, 1);
  DRreset();
  SWreset();
  testing::internal::CaptureStdout();
  scan_toget_variables();
  _rhs_list rx, ry;
  SWsweepDirection(1, &rx);
  SWsweepDirection(0, &ry);
  testing::internal::GetCapturedStdout();
  // One gate rectangle per transistor, sharing the gate tile's variables.
  ASSERT_EQ(static_cast<int>(gate_rectangles.size()), TransNum);
  std::set<const _Dtile*> gates, overGates;
  for (box_item* g : gate_rectangles) {
    gates.insert(g->left_edge->mother_tile);
    EXPECT_EQ(g->left_edge->mother_tile->activeDev, 1);
    EXPECT_EQ(g->x1, g->left_edge->mother_tile->x1);
    EXPECT_NE(g->bottom_edge, nullptr);
  }
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next)
      if (t->Pgate) overGates.insert(t->Pgate);
  int badCount = 0;
  for (int d = 0; d < 2; ++d) {
    bool x = d == 0;
    auto bad = violatedRows(x ? equat_bucket : equat_bucket_y, SWcolumns(x), x ? rx : ry, x);
    for (auto& edges : bad) {
      ++badCount;
      for (_edge* e : edges) {
        const _Dtile* t = e->mother_tile;
        EXPECT_TRUE(gates.count(t) || t->activeDev == 3 || overGates.count(t))
            << (x ? "x" : "y") << " row on " << e->name << " tile at " << t->x1 << "," << t->y1;
      }
    }
  }
  EXPECT_GT(badCount, 0);
  SWfreeRows(&rx);
  SWfreeRows(&ry);
}

}  // namespace
