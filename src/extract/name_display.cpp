#include "extract/name_display.h"

#include "display/draw.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "techc/tech.h"

void DisplayTranNames(_Gviewport* vp) {
  GGsetColor(vp, 1);
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors ? Transistors[e] : nullptr; t; t = t->next)
      if (t->Tgate) GGstring(vp, t->Tgate->x1 + 200, t->Tgate->y1 + 200, t->name);
}

void DisplayNetNames(_Gviewport* vp) {
  GGsetColor(vp, 1);
  for (_Dnet* net = Nets; net; net = net->next) {
    if (!net->tilelist) continue;
    _Dtile* t = net->tilelist->tile;
    GGstring(vp, (t->x1 + TileRight(t)) / 2, (t->y1 + TileTop(t)) / 2, net->name);
  }
}

void DExDisplayNames(_Gviewport* vp) {
  DisplayTranNames(vp);
  DisplayNetNames(vp);
}
