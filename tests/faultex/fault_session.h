// Helpers of the fault tests: a started system in a scratch directory, small
// layouts loaded through the one-step load, the nets' tiles per plane, and
// the fault files read back.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "cs/cs.h"
#include "support/circuit_layouts.h"

// Starts the system without a window in a fresh scratch directory (the fault
// files are written there).
void startFaultSession();
// Writes the layout as CIF and loads it (read, planes, extraction).
void loadLayout(const CvLayout& layout, const std::string& name);
// The net of the solid tile at a point of a named plane (0 when none).
long netAt(const char* plane, long x, long y);
// Solid tiles with a net, per plane index.
struct NetTile {
  long x1, y1, x2, y2, net;
};
std::vector<NetTile> netTiles(int plane);
int planeNamed(const char* name);
// "bridge ( n1 n2 ) 375" lines as net set -> weight (several lines of one set add up).
std::map<std::set<long>, long> readBridges(const std::string& path);

// Three NMOS transistors 20 lambda apart whose drains feed three parallel metal
// wires 2 lambda wide and 2 lambda apart over x 47..70, y 10..20; sources on a
// GND rail below.
CvLayout threeWires();
// One NMOS transistor whose source and drain leave on metal far apart.
CvLayout lonelyTransistor();
// A driver transistor whose drain feeds, through metal and a poly contact, a
// poly wire to a vertical poly strip that is the gate of two transistors.
CvLayout wireToTwoGates();
