// Each command asks for a point ("Select a tile") and keeps asking until
// another command starts; each picked tile or neighbour is drawn (solid in
// colour 2, space in 1) and listed on standard output as
// "<command>: type x1 y1 right top", which is what a script sees.
#include "view/navigate.h"

#include <cstdio>

#include "common/layout.h"
#include "common/message.h"
#include "cs/cs.h"
#include "cs/tile_marks.h"
#include "display/viewport.h"
#include "event/event.h"

namespace {
void show(const char* command, _Dtile* t) {
  TestTile(t, TisSolid(t) ? 2 : 1);
  printf("%s: %u %d %d %ld %ld\n", command, (unsigned)t->type, t->x1, t->y1, TileRight(t), TileTop(t));
}

void showSide(const char* command, _Dtile* t, int side) {
  _Dtilelist* list = nullptr;
  Neighbor(t, &list, side, 0);
  for (_Dtilelist* c = list; c; c = c->next) show(command, c->tile);
  FreeList(list);
}

// The tile under the last picked point, in the current plane.
_Dtile* picked() {
  _points* p = GGlastPoint();
  if (!p || !CurrentStitch || p->x == DE_SENTINEL) return nullptr;
  CSplane plane{CurrentStitch};
  _Dtile* t = CSfind(plane, p->x, p->y);
  CurrentStitch = t;
  return t;
}

int start(_GEvent* step) {
  if (!CurrentStitch) {
    GCmessage(GC_MOD_CS, 'E', "Corner stitch not available");
    return 1;
  }
  step->view = &Vmain;
  DEevent(step);
  return 1;
}

int exeSide(const char* command, int side) {
  if (_Dtile* t = picked()) {
    showSide(command, t, side);
    fflush(stdout);
  }
  return 0;
}

_GEvent tileStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DCtileExe, nullptr, nullptr, nullptr};
_GEvent upperStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DCupperExe, nullptr, nullptr, nullptr};
_GEvent lowerStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DClowerExe, nullptr, nullptr, nullptr};
_GEvent leftStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DCleftExe, nullptr, nullptr, nullptr};
_GEvent rightStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DCrightExe, nullptr, nullptr, nullptr};
_GEvent neighborsStep = {GGEbutton1, GGRno, "Select a tile", nullptr, DCneighborsExe, nullptr, nullptr, nullptr};
}  // namespace

int DCtile() { return start(&tileStep); }
int DCupper() { return start(&upperStep); }
int DClower() { return start(&lowerStep); }
int DCleft() { return start(&leftStep); }
int DCright() { return start(&rightStep); }
int DCneighbors() { return start(&neighborsStep); }

int DCtileExe(_points*, _GEvent*) {
  if (_Dtile* t = picked()) {
    show("DCtile", t);
    fflush(stdout);
  }
  return 0;
}
int DCupperExe(_points*, _GEvent*) { return exeSide("DCupper", CS_SIDE_TOP); }
int DClowerExe(_points*, _GEvent*) { return exeSide("DClower", CS_SIDE_BOTTOM); }
int DCleftExe(_points*, _GEvent*) { return exeSide("DCleft", CS_SIDE_LEFT); }
int DCrightExe(_points*, _GEvent*) { return exeSide("DCright", CS_SIDE_RIGHT); }

int DCneighborsExe(_points*, _GEvent*) {
  if (_Dtile* t = picked()) {
    showSide("DCneighbors", t, CS_SIDE_TOP);
    showSide("DCneighbors", t, CS_SIDE_BOTTOM);
    showSide("DCneighbors", t, CS_SIDE_LEFT);
    showSide("DCneighbors", t, CS_SIDE_RIGHT);
    fflush(stdout);
  }
  return 0;
}
