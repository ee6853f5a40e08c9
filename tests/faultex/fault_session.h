// Helpers of the fault and yield tests: a started system in a scratch
// directory, small layouts loaded through the one-step load, the nets' tiles
// per plane, and the fault files read back.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "batch/batch_startup.h"
#include "cs/cs.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "support/circuit_layouts.h"
#include "support/run_program.h"
#include "techc/tech.h"

// Starts the system without a window in a fresh scratch directory (the fault
// files are written there).
inline void startFaultSession() {
  ASSERT_EQ(chdir(CVscratchDir().c_str()), 0);
  BAstartup();
  CSreset();
  DExReset();
}

// Writes the layout as CIF in the working directory and loads it (read, planes, extraction).
inline void loadLayout(const CvLayout& layout, const std::string& name) {
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  std::string path = std::string(cwd) + "/" + name + ".cif";
  ASSERT_TRUE(layout.writeCif(path));
  DIacceptCB(12, path.c_str());
  ASSERT_GT(TransNum, 0);
}

inline int planeNamed(const char* name) {
  for (int p = 0; p < DlayerNum; ++p)
    if (std::string(DlayerTile[p].name) == name) return p;
  return -1;
}

// The net of the solid tile at a point of a named plane (0 when none).
inline long netAt(const char* plane, long x, long y) {
  Stitch = NamedLayerTile(plane);
  if (!Stitch) return 0;
  _Dtile* t = PointFind(x, y);
  return TisSolid(t) && t->node > 0 ? t->node : 0;
}

// Solid tiles with a net, per plane index.
struct NetTile {
  long x1, y1, x2, y2, net;
};
inline std::vector<NetTile> netTiles(int plane) {
  std::vector<NetTile> out;
  Stitch = DlayerTile[plane].layertile;
  _Dtilelist* all = nullptr;
  AreaEnum(-GC_INFINITY, -GC_INFINITY, GC_INFINITY, GC_INFINITY, &all, 0);
  for (_Dtilelist* c = all; c; c = c->next)
    if (TisSolid(c->tile) && c->tile->node > 0)
      out.push_back({c->tile->x1, c->tile->y1, TileRight(c->tile), TileTop(c->tile), c->tile->node});
  FreeList(all);
  return out;
}

// "bridge ( n1 n2 ) 375" lines as net set -> weight (several lines of one set add up).
inline std::map<std::set<long>, long> readBridges(const std::string& path) {
  std::map<std::set<long>, long> out;
  std::istringstream in(CVreadFile(path));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string w;
    words >> w;
    EXPECT_EQ(w, "bridge") << line;
    words >> w;
    EXPECT_EQ(w, "(") << line;
    std::set<long> nets;
    while (words >> w && w != ")") nets.insert(std::stol(w.substr(1)));
    long weight = -1;
    words >> weight;
    out[nets] += weight;
  }
  return out;
}

inline void nmosAt(CvLayout& l, long x, long y) {
  l.box("CAA", x, y, x + 10, y + 4);
  l.box("CSN", x - 1, y - 1, x + 11, y + 5);
  l.box("CPG", x + 4, y - 2, x + 6, y + 6);
  l.contact("CCA", x + 1, y + 1);
  l.contact("CCA", x + 7, y + 1);
}

// Three NMOS transistors 20 lambda apart whose drains feed three parallel metal
// wires 2 lambda wide and 2 lambda apart over x 47..70, y 10..20; sources on a
// GND rail below.
inline CvLayout threeWires() {
  CvLayout l;
  const long top[3] = {20, 16, 12};
  for (int i = 0; i < 3; ++i) {
    long x = 20 * i;
    nmosAt(l, x, 0);
    l.box("CMF", x + 1, -5, x + 3, 3);            // source down to the rail
    l.box("CMF", x + 7, 1, x + 9, top[i]);        // drain up to its wire
    l.box("CMF", x + 9, top[i] - 2, 70, top[i]);  // the wire, to the right
  }
  l.box("CMF", -2, -7, 70, -5);  // GND rail
  return l;
}

// One NMOS transistor whose source and drain leave on metal far apart.
inline CvLayout lonelyTransistor() {
  CvLayout l;
  nmosAt(l, 0, 0);
  l.box("CMF", 1, -10, 3, 3);
  l.box("CMF", 7, 1, 9, 14);
  return l;
}

// A driver transistor whose drain feeds, through metal and a poly contact, a
// poly wire to a vertical poly strip that is the gate of two transistors.
inline CvLayout wireToTwoGates() {
  CvLayout l;
  nmosAt(l, 0, 0);              // driver; drain contact at 7..9, 1..3
  l.box("CMF", 1, -10, 3, 3);   // its source, away
  l.box("CMF", 7, 1, 9, 30);    // drain metal up to the poly contact
  l.contact("CCP", 7, 28);
  l.box("CPG", 6, 27, 10, 31);  // poly pad under the contact
  l.box("CPG", 10, 28, 40, 30); // poly wire to the right
  l.box("CPG", 40, -2, 42, 30); // vertical strip: gate of two transistors
  for (long y : {2L, 16L}) {
    l.box("CAA", 36, y, 46, y + 4);
    l.box("CSN", 35, y - 1, 47, y + 5);
    l.contact("CCA", 37, y + 1);
    l.contact("CCA", 43, y + 1);
    l.box("CMF", 37, y + 1, 39, y + 3);  // contacts to small metal pads
    l.box("CMF", 43, y + 1, 45, y + 3);
  }
  return l;
}
