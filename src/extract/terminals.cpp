// Terminal lists: the device terminals on one net (fault extraction).
#include <cstdlib>

#include "common/memory.h"
#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"

namespace {
// Traces for faults number their nets negatively, hence the absolute values.
bool onNet(_Dtile* tile, long node) { return tile && node != 0 && labs(tile->node) == node; }

_DtermList* newTerm(_Dtransistor* t, _Dtile* tile, short port) {
  _DtermList* term = GCnew<_DtermList>();
  term->transistor = t;
  term->tile = tile;
  term->port = port;
  return term;
}
}  // namespace

bool DExTinList(_Dtile* tile, _Dtilelist* nettiles) {
  return nettiles && onNet(tile, labs(nettiles->tile->node));
}

_DtermList* DExInsertTerm(_DtermList* list, _DtermList* term) {
  term->next = nullptr;
  if (!list) {
    term->no = 1;
    return term;
  }
  _DtermList* last = list;
  while (last->next) last = last->next;
  term->no = last->no + 1;
  last->next = term;
  return list;
}

void DExFreeTerm(_DtermList* list) { GCdeleteChain(list); }

_Dtilelist* DExDupList(_Dtilelist* list) {
  CSlistBuilder copy;
  for (; list; list = list->next) copy.append(list->tile);
  return copy.head;
}

_DtermList* DExTermList(_Dtilelist* nettiles, _DtransList* translist) {
  _DtermList *list = nullptr, *last = nullptr;
  int count = 0;
  auto append = [&](_DtermList* term) {
    term->no = ++count;
    if (last)
      last->next = term;
    else
      list = term;
    last = term;
  };
  for (_DtransList* c = translist; c; c = c->next) {
    _Dtransistor* t = c->transistor;
    if (t->number < 1) {
      append(newTerm(t, t->Tgate, 0));
      continue;
    }
    _Dtile* gate = DExGatePolyTile(t);
    if (DExTinList(gate, nettiles)) append(newTerm(t, gate, 0));
    if (DExTinList(t->Tsource, nettiles)) append(newTerm(t, t->Tsource, 1));
    if (DExTinList(t->Tdrain, nettiles)) append(newTerm(t, t->Tdrain, 2));
  }
  if (count >= DEX_MAX_TERMINALS) {
    GCmessage(GC_MOD_EXTRACT, 'W', "A net with %d terminals is too large and is ignored", count);
    DExFreeTerm(list);
    return nullptr;
  }
  return list;
}
