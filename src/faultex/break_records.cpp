// Break records in the critical planes, their counting into the open list and
// the terminal report.
#include <cstdio>

#include "common/memory.h"
#include "cs/tile_marks.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "faultex/open_faults.h"
#include "techc/tech.h"

namespace {
const DFbreak* breakOf(const void* r) { return static_cast<const DFbreak*>(r); }

// Critical tiles share the break records of the break list, so pieces take
// the same pointer and nothing is released with a tile.
void shareRecord(_Dtile* piece, const _Dtile* from) {
  piece->processed = from->processed;
  piece->upper = from->upper;
}

bool sameBreak(const void* existing, const void* incoming) {
  return DFsameOpen(breakOf(existing)->open, breakOf(incoming)->open);
}

void* mergeBreaks(const void* existing, const void* incoming) {
  return const_cast<DFbreak*>(DFmergeFaultO(breakOf(existing), breakOf(incoming)));
}

void* freshBreak(const void* incoming) { return const_cast<void*>(incoming); }

const DFcritKind openKind = {sameBreak, mergeBreaks, freshBreak, {shareRecord, nullptr}, nullptr};
}  // namespace

bool DFsameOpen(const _Dfopen* a, const _Dfopen* b) {
  if (a == b) return true;
  if (a->nparts != b->nparts) return false;
  for (long p = 0; p < a->nparts; ++p) {
    const _DfpinList &x = a->pinlist[p], &y = b->pinlist[p];
    if (x.ngates != y.ngates) return false;
    for (long i = 0; i < x.ngates; ++i)
      if (x.gateno[i] != y.gateno[i] || x.pinname[i] != y.pinname[i]) return false;
  }
  return true;
}

void DFcopyOpen(const _Dfopen* from, _Dfopen* to) { *to = *from; }

_Dtile* Put1CritCSO(const _box* rect, const DFbreak* open) {
  return DFputCritical({rect->x1, rect->y1, rect->x2, rect->y2}, openKind, open, 0);
}

_Dtile* CTileCreationO(long x1, long y1, long x2, long y2, _Dtile** tile) {
  return TileCreationWith(x1, y1, x2, y2, tile, &openKind.carve);
}

void DFaddOpen(_Dtile* tile) {
  const _Dfopen* o = breakOf(tile->upper)->open;
  const long weight = DFtileWeight(tile);
  for (_DopenFault* f = FaultTable.opens; f; f = f->next)
    if (DFsameOpen(f->fopen, o)) {
      f->fweight += weight;
      return;
    }
  FOpenNum += 1;
  _DopenFault* f = GCnew<_DopenFault>();
  f->type = 1;
  f->fweight = weight;
  f->fopen = static_cast<_Dfopen*>(GCmalloc(sizeof(_Dfopen)));
  DFcopyOpen(o, f->fopen);
  f->next = FaultTable.opens;
  FaultTable.opens = f;
}

void DFOcritAscan() {
  for (int p = 0; p < GlayerNum && p < DlayerNum; ++p) {
    _Dtilelist* crit = DFcriticalTiles(p);
    for (_Dtilelist* c = crit; c; c = c->next) {
      DFaddOpen(c->tile);
      TestTile(c->tile, 1);
    }
    FreeList(crit);
    DFemptyCritical(p, nullptr);
  }
}

void DFcleanOpenBuffer() {
  GCdeleteChain(FaultTable.opens, [](_DopenFault* f) { GCfree(f->fopen, sizeof(_Dfopen)); });
  FaultTable.opens = nullptr;
}

void DFreportOpen(_DopenFault* f) {
  const _Dfopen* o = f->fopen;
  printf("***** Possibility: %ld *****\n", f->fweight);
  fflush(stdout);
  fprintf(stderr, "The net %ld is broken into %ld parts:\n", o->net, o->nparts);
  for (long p = 0; p < o->nparts; ++p) {
    fprintf(stderr, "Part %ld ( ", p);
    for (long i = 0; i < o->pinlist[p].ngates; ++i)
      fprintf(stderr, "Gate(%ld)[%d] ", o->pinlist[p].gateno[i], o->pinlist[p].pinname[i]);
    fputs(")\n", stderr);
  }
  fputs("\n\n", stderr);
}

void DFreportOpens(_DopenFault* list) {
  for (; list; list = list->next) DFreportOpen(list);
}
