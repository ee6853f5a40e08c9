// A net's breaks do not depend on where its trace starts (the whole-layout
// command starts at its first terminal, the one-net command at the picked
// tile), so both commands give the same breaks of a net.
#include <gtest/gtest.h>

#include <algorithm>

#include "extract/net.h"
#include "fault_session.h"
#include "faultex/fault_lists.h"
#include "faultex/net_walk.h"
#include "faultex/open_faults.h"
#include "xtractRC/find_net.h"

namespace {
using Terminal = std::pair<long, short>;
using Partition = std::set<std::set<Terminal>>;

// The breaks of the net traced from `start`: partition -> weight.
std::map<Partition, long> breaksFrom(_Dtile* start, long d) {
  RecordTerm = 1;
  long x1 = GC_INFINITY, y1 = GC_INFINITY, x2 = -GC_INFINITY, y2 = -GC_INFINITY;
  _Dtilelist* tiles = DExFindNet(start, &x1, &y1, &x2, &y2);
  _DtermList* terms = DExTermList(tiles, TransList);
  if (terms) DFproc1NetO(tiles, terms, -1, d);
  DFOcritAscan();
  std::map<Partition, long> out;
  for (_DopenFault* f = FaultTable.opens; f; f = f->next) {
    Partition p;
    for (long i = 0; i < f->fopen->nparts; ++i) {
      std::set<Terminal> part;
      for (long g = 0; g < f->fopen->pinlist[i].ngates; ++g)
        part.insert({f->fopen->pinlist[i].gateno[g], f->fopen->pinlist[i].pinname[g]});
      p.insert(part);
    }
    out[p] += f->fweight;
  }
  DFcleanOpenBuffer();
  FreeBreakList();
  DExFreeTerm(terms);
  DExFreeTransList();
  RecordTerm = 0;
  FreeList(tiles);
  DFresetPlanes();
  return out;
}

class BreakOrder : public ::testing::Test {
 protected:
  void SetUp() override { startFaultSession(); }
};
}  // namespace

TEST_F(BreakOrder, EveryStartingTileOfANetGivesTheSameBreaks) {
  CvLayout chain, pair, vertical, three;
  chain.inverterChain(3);
  pair.diffPairMirror();
  vertical.verticalTransistor();
  three.threeRegionGate();
  const long L = 80;
  for (auto [layout, name] : {std::pair{&chain, "chain"}, {&pair, "pair"}, {&vertical, "vertical"}, {&three, "three"}}) {
    SetUp();
    loadLayout(*layout, name);
    for (long d : {2 * L, 3 * L, 5 * L, 7 * L}) {
      for (int p = 0; p < DlayerNum; ++p) {
        std::map<long, std::map<Partition, long>> first;
        for (const NetTile& t : netTiles(p)) {
          Stitch = DlayerTile[p].layertile;
          _Dtile* tile = PointFind(t.x1 + 1, t.y1 + 1);
          auto breaks = breaksFrom(tile, d);
          auto [at, fresh] = first.emplace(t.net, breaks);
          EXPECT_EQ(at->second, breaks) << name << " net " << t.net << " from " << DlayerTile[p].name << " "
                                        << t.x1 / L << "," << t.y1 / L << " defect " << d;
        }
      }
    }
  }
}
