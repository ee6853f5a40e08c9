// Names given by the user: f.DExNameNet names the net under a point,
// f.DExDefIO also makes the picked tile a terminal of the circuit.
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/memory.h"
#include "common/message.h"
#include "extract/net.h"
#include "extract/pick.h"
#include "extract/point_request.h"
#include "extract/transistor.h"

namespace {
char pendingName[64];
// Kept for the whole run and never destroyed: the records stay reachable
// until DExFreeTerminalRecords, also while the program exits.
std::vector<_Dtransistor*>& terminalRecords = *new std::vector<_Dtransistor*>;

void remember(const char* name) { snprintf(pendingName, sizeof pendingName, "%s", name ? name : ""); }

void nameNet(_Dtile* tile) {
  printf("Net number: %d\n", tile->node);
  DExAddNetName(tile->node, pendingName);
}

void makeTerminal(_Dtile* tile) {
  if (TileNext(tile)) return;  // made once, reused later
  _Dtransistor* t = GCnew<_Dtransistor>();
  t->number = -1;
  t->Tgate = tile;
  CStileColdMake(tile).next = reinterpret_cast<_Dtile*>(t);
  terminalRecords.push_back(t);
}
}  // namespace

void DExDefIOExe(long x, long y) {
  DExPick pick = DExPickTile(x, y);
  if (!DExPickedObject(pick)) return;
  nameNet(pick.tile);
  makeTerminal(pick.tile);
}

void DExNameNetExe(long x, long y) {
  DExPick pick = DExPickTile(x, y);
  if (pick.kind == DEX_PICK_SPACE) {
    GCmessage(GC_MOD_EXTRACT, 'W', "Perhaps you need to extract the circuit first");
    return;
  }
  if (pick.kind == DEX_PICK_NET) {
    nameNet(pick.tile);
    return;
  }
  DExPickedObject(pick);
}

void DExFreeTerminalRecords() {
  for (_Dtransistor* t : terminalRecords) GCdelete(t);
  terminalRecords.clear();
}

int DExDefIO(char* name) {
  remember(name);
  DExAskPoint(DExDefIOExe, false);
  return 1;
}

int DExNameNet(char* name) {
  remember(name);
  DExAskPoint(DExNameNetExe, false);
  return 1;
}
