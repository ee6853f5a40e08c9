#include "faultex/net_walk.h"

#include <cstdio>

#include "common/switches.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/fault.h"
#include "techc/tech.h"

void DFcounter(long value) {
  if (!Silently) fprintf(stderr, "\b\b\b\b\b\b\b\b%8ld", value);
}

void DFwalkNets(const std::function<void(_Dtile*)>& net) {
  long remaining = NetsNum;
  if (!Silently) fprintf(stderr, "Unprocessed nets : %8d", NetsNum);
  for (int e = 0; e < DelementNum && Transistors; ++e) {
    bool stop = false;
    for (_Dtransistor* t = Transistors[e]; t && !stop; t = t->next) {
      _Dtile* terminals[3] = {DExGatePolyTile(t), t->Tsource, t->Tdrain};
      for (_Dtile* tile : terminals) {
        if (!tile || tile->processed) continue;
        if (tile->node <= 0) {
          fputs("Found a net without reset.\n", stderr);
          stop = true;
          break;
        }
        remaining -= 1;
        DFcounter(remaining);
        net(tile);
      }
    }
  }
}

void DFmarkProcessed(_Dtilelist* tiles) {
  for (; tiles; tiles = tiles->next) tiles->tile->processed = 1;
}

void DFresetPlanes() {
  for (int p = 0; p < GlayerNum && p < DlayerNum; ++p) DFresetPlane(p);
}
