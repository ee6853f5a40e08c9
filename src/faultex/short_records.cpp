// Short records in the critical planes, and their counting into the short list.
#include <algorithm>

#include "common/memory.h"
#include "common/message.h"
#include "cs/tile_marks.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "techc/tech.h"

namespace {
_Dfshort* newShort() { return static_cast<_Dfshort*>(GCmalloc(sizeof(_Dfshort))); }
void freeShort(void* s) { GCfree(s, sizeof(_Dfshort)); }

// The pair being inserted.
struct Pair {
  int a, b;
};

void copyRecord(_Dtile* piece, const _Dtile* from) {
  piece->processed = from->processed;
  if (!from->upper) return;
  _Dfshort* s = newShort();
  DFcopyShort(from->upper.record<const _Dfshort>(), s);
  piece->upper = reinterpret_cast<_Dtilelist*>(s);
}

void releaseRecord(_Dtile* gone) {
  if (gone->upper) freeShort(gone->upper);
  gone->upper = nullptr;
}

bool samePair(const void* existing, const void* incoming) {
  const Pair* p = static_cast<const Pair*>(incoming);
  return DFsameShort(static_cast<const _Dfshort*>(existing), p->a, p->b);
}

void* mergePair(const void* existing, const void* incoming) {
  const Pair* p = static_cast<const Pair*>(incoming);
  return DFmergeFault(static_cast<const _Dfshort*>(existing), p->a, p->b);
}

void* freshPair(const void* incoming) {
  const Pair* p = static_cast<const Pair*>(incoming);
  _Dfshort* s = newShort();
  s->nnets = 2;
  s->nets[0] = std::min(p->a, p->b);
  s->nets[1] = std::max(p->a, p->b);
  return s;
}

const DFcritKind shortKind = {samePair, mergePair, freshPair, {copyRecord, releaseRecord}, freeShort};

int colourOf(const _Dfshort* s) {
  if (s->nnets == 2) return 1;
  if (s->nnets == 3) return 10;
  if (s->nnets <= 5) return 2;
  return 39;
}

// Puts a net into an ascending set unless present; false when full.
bool insertNet(_Dfshort* s, int net) {
  int i = 0;
  while (i < s->nnets && s->nets[i] < net) ++i;
  if (i < s->nnets && s->nets[i] == net) return true;
  if (s->nnets >= DF_MAXNETS) return false;
  for (int j = s->nnets; j > i; --j) s->nets[j] = s->nets[j - 1];
  s->nets[i] = net;
  s->nnets++;
  return true;
}
}  // namespace

bool DFsameShort(const _Dfshort* s, int netA, int netB) {
  bool a = false, b = false;
  for (int i = 0; i < s->nnets; ++i) {
    a = a || s->nets[i] == netA;
    b = b || s->nets[i] == netB;
  }
  return a && b;
}

bool DFsameShorts(const _Dfshort* a, const _Dfshort* b) {
  if (a->nnets != b->nnets) return false;
  for (int i = 0; i < a->nnets; ++i)
    if (a->nets[i] != b->nets[i]) return false;
  return true;
}

void DFcopyShort(const _Dfshort* from, _Dfshort* to) { *to = *from; }

_Dfshort* DFmergeFault(const _Dfshort* s, int netA, int netB) {
  _Dfshort* m = newShort();
  DFcopyShort(s, m);
  if (insertNet(m, std::min(netA, netB)) && insertNet(m, std::max(netA, netB))) return m;
  freeShort(m);
  GCmessage(GC_MOD_FAULT, 'W', "A fault causes MAXNETS too small, ignored");
  return nullptr;
}

_Dtile* Put1CritCS(const _box* rect, int netA, int netB, short flag) {
  Pair p{netA, netB};
  return DFputCritical({rect->x1, rect->y1, rect->x2, rect->y2}, shortKind, &p, flag);
}

_Dtile* CTileCreation(long x1, long y1, long x2, long y2, _Dtile** tile) {
  return TileCreationWith(x1, y1, x2, y2, tile, &shortKind.carve);
}

long DFtileWeight(const _Dtile* t) {
  const float unit = static_cast<float>(DFunitsPerMicron());
  const float w = static_cast<float>(TileRight(t) - t->x1) / unit;
  const float h = static_cast<float>(TileTop(t) - t->y1) / unit;
  return static_cast<long>(w * h);
}

void DFaddShort(_Dtile* tile) {
  const _Dfshort* s = tile->upper.record<const _Dfshort>();
  const long weight = DFtileWeight(tile);
  for (_DshortFault* f = FaultTable.shorts; f; f = f->next)
    if (DFsameShorts(f->fshort, s)) {
      f->fweight += weight;
      return;
    }
  FShortNum += 1;
  _DshortFault* f = GCnew<_DshortFault>();
  f->type = 0;
  f->fweight = weight;
  f->fshort = newShort();
  DFcopyShort(s, f->fshort);
  f->next = FaultTable.shorts;
  FaultTable.shorts = f;
}

void DFScritAscan() {
  for (int p = 0; p < GlayerNum && p < DlayerNum; ++p) {
    _Dtilelist* crit = DFcriticalTiles(p);
    for (_Dtilelist* c = crit; c; c = c->next) {
      if (c->tile->processed != 0) continue;
      DFaddShort(c->tile);
      TestTile(c->tile, colourOf(c->tile->upper.record<const _Dfshort>()));
    }
    FreeList(crit);
    DFemptyCritical(p, freeShort);
  }
}

void DFcleanShortBuffer() {
  GCdeleteChain(FaultTable.shorts, [](_DshortFault* f) { freeShort(f->fshort); });
  FaultTable.shorts = nullptr;
}
