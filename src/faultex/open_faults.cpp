// Breaks: pairs of space tiles on either side of a wire of the net give the
// critical areas; the tiles between them are cut and the net's terminals are
// traced around the cut to find the parts the net falls into.
#include "faultex/open_faults.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>

#include "common/cputime.h"
#include "common/memory.h"
#include "common/message.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "faultex/critical_plane.h"
#include "faultex/fault_lists.h"
#include "faultex/net_tile_walk.h"
#include "faultex/net_walk.h"
#include "faultex/short_faults.h"
#include "techc/tech.h"

namespace {
constexpr short BLOCKED = static_cast<short>(65535);  // a cut tile
constexpr short USED_FIRST = 0x100;                   // a space tile already used as a first tile

// The net whose breaks are being collected.
struct NetInProgress {
  long net = 0;
  _Dtilelist* tiles = nullptr;
  _DtermList* terms = nullptr;
  _box bounds = {};  // of its tiles
  bool abandon = false;
};
NetInProgress current;

// BreakList: every cut of the net met so far, with its effect; and the
// distinct effects the cuts share.
std::map<std::vector<_Dtile*>, std::unique_ptr<DFbreak>> BreakList;
std::vector<_Dfopen*> effects;
// For each boundary space tile, the net tile it was found beside. Searches
// around a space tile start there: a space tile may be a strip as tall as a
// whole array, and a search leaving it sideways walks the next column from
// its far end.
std::unordered_map<const _Dtile*, _Dtile*> besideOf;

_Dtile* searchStart(_Dtile* space) {
  auto found = besideOf.find(space);
  return found == besideOf.end() ? space : found->second;
}
// Transistor number -> channel class (0 P, 1 N), built once per command.
std::vector<signed char> channelOfNumber;

bool onNet(const _Dtile* t) { return t && TisSolid(t) && t->node == current.net; }

const _Dfopen* intern(const _Dfopen& o) {
  for (_Dfopen* e : effects)
    if (e->net == o.net && DFsameOpen(e, &o)) return e;
  _Dfopen* copy = static_cast<_Dfopen*>(GCmalloc(sizeof(_Dfopen)));
  DFcopyOpen(&o, copy);
  effects.push_back(copy);
  return copy;
}

// Gives a tile the part number; a blocked tile gets it but is not crossed.
void reach(_Dtile* t, short part, std::vector<_Dtile*>& front) {
  if (!onNet(t) || (t->processed != 0 && t->processed != BLOCKED)) return;
  const bool blocked = t->processed == BLOCKED;
  t->processed = part;
  if (!blocked) front.push_back(t);
}

// DFxPath: the flood of one part over same-type neighbours and contact links.
void DFxPath(_Dtile* start, short part) {
  std::vector<_Dtile*> front;
  const bool blocked = start->processed == BLOCKED;
  start->processed = part;
  if (!blocked) front.push_back(start);
  while (!front.empty()) {
    _Dtile* t = front.back();
    front.pop_back();
    const long right = TileRight(t), top = TileTop(t);
    auto side = [&](_Dtile* nb) {
      if (TsameType(t, nb)) reach(nb, part, front);
    };
    for (_Dtile* nb = t->tr; nb && TileTop(nb) > t->y1; nb = nb->lb) side(nb);
    for (_Dtile* nb = t->bl; nb && nb->y1 < top; nb = nb->rt) side(nb);
    for (_Dtile* nb = t->rt; nb && TileRight(nb) > t->x1; nb = nb->bl) side(nb);
    for (_Dtile* nb = t->lb; nb && nb->x1 < right; nb = nb->tr) side(nb);
    for (_Dtilelist* l = t->upper; l; l = l->next) reach(l->tile, part, front);
    if (!TisElement(t))
      for (_Dtilelist* l = t->lower; l; l = l->next) reach(l->tile, part, front);
  }
}

void DFtraceTerm(_Dtile* tile, short part) { DFxPath(tile, part); }

// The effect of blocking the cut tiles: trace the parts, build the record,
// restore the net's marks.
const _Dfopen* effectOf(const std::vector<_Dtile*>& cut) {
  std::vector<short> saved;
  for (_Dtile* t : cut) {
    if (!TisSolid(t)) {
      fflush(stdout);
      fputs("Fatal: breaking a space tile.\n", stderr);
      exit(1);
    }
    saved.push_back(t->processed);
    t->processed = BLOCKED;
  }
  short parts = 0;
  for (_DtermList* term = current.terms; term; term = term->next)
    if (term->tile && term->tile->processed == 0) DFtraceTerm(term->tile, ++parts);
  const _Dfopen* record = DFterm2Fault(current.terms, parts);
  for (_Dtilelist* c = current.tiles; c; c = c->next) {
    c->tile->node = labs(c->tile->node);
    c->tile->processed = 0;
  }
  for (size_t i = 0; i < cut.size(); ++i)
    if (!onNet(cut[i])) cut[i]->processed = saved[i];
  return record;
}

// The gap box shrunk by one unit on each side (where it is long enough).
_box shrunk(const _box& b) {
  _box s = b;
  if (s.x2 - s.x1 > 2) s.x1 += 1, s.x2 -= 1;
  if (s.y2 - s.y1 > 2) s.y1 += 1, s.y2 -= 1;
  return s;
}

// One candidate cut between space tiles b and x (through w when given).
void tryCut(_Dtile* b, _Dtile* x, _Dtile* w, const _box& gap, long d) {
  _box inner = shrunk(gap);
  _Dtile* start = searchStart(b);
  Stitch = start;
  if (DFspaceTinArea(&inner, current.net, nullptr)) return;
  _Dtilelist* cut = DFenumerate(start, gap.x1, gap.y1, gap.x2, gap.y2);
  _Dtile* solid = nullptr;
  for (_Dtilelist* c = cut; c && !solid; c = c->next)
    if (TisSolid(c->tile)) solid = c->tile;
  FreeList(cut);
  if (!solid) return;
  const int plane = DFlayerIndex(solid->type & 0xFF);
  _box* area = DFcrtArea(b, x, w, d);
  if (!area) return;
  Stitch = start;
  const DFbreak* effect = DFextOpen(&gap, current.terms, current.tiles);
  if (effect) {
    Stitch = DlayerTile[plane].crittile;
    DlayerTile[plane].crittile = Put1CritCSO(area, effect);
    if (effect->open->net == -1) current.abandon = true;
  }
  GCdelete(area);
}

// The pairs of one boundary space tile b.
void pairsOf(_Dtile* b, long d) {
  // Only pairs less than d apart have a critical area, and the wire between
  // them lies inside the net's bounding box: enumerate no further.
  const long x1 = std::max(b->x1 - d, current.bounds.x1 - d - 1), x2 = std::min(TileRight(b) + d, current.bounds.x2 + d + 1);
  const long y1 = std::max(b->y1 - d, current.bounds.y1 - d - 1), y2 = std::min(TileTop(b) + d, current.bounds.y2 + d + 1);
  if (x1 >= x2 || y1 >= y2) return;
  _Dtilelist* near = DFenumerate(searchStart(b), x1, y1, x2, y2);
  for (_Dtilelist* c = near; c && !current.abandon; c = c->next) {
    _Dtile* x = c->tile;
    if (x == b || TisSolid(x) || x->node != 1 || (x->processed & USED_FIRST)) continue;
    _box* gap = DFcrossTalk(b, x);
    if (!gap) continue;
    if (DFvertPosition(b, x)) {
      tryCut(b, x, nullptr, *gap, d);
    } else {
      _Dtilelist* inGap = DFenumerate(searchStart(b), gap->x1, gap->y1, gap->x2, gap->y2);
      for (_Dtilelist* g = inGap; g && !current.abandon; g = g->next) {
        _Dtile* w = g->tile;
        if (!onNet(w) || TisElement(w)) continue;
        _box limited = *gap;
        limited.y1 = std::max<long>(limited.y1, w->y1);
        limited.y2 = std::min(limited.y2, TileTop(w));
        if (limited.y1 < limited.y2) tryCut(b, x, w, limited, d);
      }
      FreeList(inGap);
    }
    GCdelete(gap);
  }
  FreeList(near);
  b->processed = static_cast<short>(b->processed | USED_FIRST);
}

int channelClass(int element) {
  const bool firstIsP = DelementNum > 0 && strcmp(Delement[0].name, "transistor_P") == 0;
  const bool isP = element == 0 ? firstIsP : !firstIsP;
  return isP ? 0 : 1;
}

enum Output { TO_FILE, TO_TERMINAL, SHOW_ONLY };

// Breaks of one net, counted into the open list and written to the file of
// `layer` (-1 all layers), printed, or only drawn.
void oneNet(_Dtile* tile, int plane, long d, int layer, Output output) {
  RecordTerm = 1;
  _box bounds;
  _Dtilelist* tiles = DFretrace(tile, &bounds);
  _DtermList* terms = DExTermList(tiles, TransList);
  if (terms) DFproc1NetO(tiles, terms, plane, d);
  DFmarkProcessed(tiles);
  FreeList(tiles);
  DExFreeTransList();
  DExFreeTerm(terms);
  RecordTerm = 0;
  DFOcritAscan();
  FreeBreakList();
  if (!FaultTable.opens) return;
  if (output == TO_TERMINAL) DFreportOpens(FaultTable.opens);
  if (output == TO_FILE) DFflushFault(layer, DF_KIND_OPEN, 1);
  DFcleanOpenBuffer();
}
}  // namespace

const DFbreak* DFnewBreak(const std::vector<_Dtile*>& cut) {
  auto found = BreakList.find(cut);
  if (found != BreakList.end()) return found->second->open ? found->second.get() : nullptr;
  const _Dfopen* effect = effectOf(cut);
  auto entry = std::make_unique<DFbreak>();
  entry->cut = cut;
  entry->open = effect;
  DFbreak* b = entry.get();
  BreakList.emplace(cut, std::move(entry));
  return effect ? b : nullptr;
}

const DFbreak* DFextOpen(const _box* box, _DtermList*, _Dtilelist*) {
  _Dtilelist* found = nullptr;
  AreaEnum(box->x1, box->y1, box->x2, box->y2, &found, 0);
  std::vector<_Dtile*> cut;
  for (_Dtilelist* c = found; c; c = c->next) cut.push_back(c->tile);
  FreeList(found);
  std::sort(cut.begin(), cut.end());
  return DFnewBreak(cut);
}

const DFbreak* DFmergeFaultO(const DFbreak* a, const DFbreak* b) {
  std::vector<_Dtile*> both;
  std::set_union(a->cut.begin(), a->cut.end(), b->cut.begin(), b->cut.end(), std::back_inserter(both));
  const DFbreak* merged = DFnewBreak(both);
  if (merged && merged->open->net == -1) current.abandon = true;
  return merged;
}

const _Dfopen* DFterm2Fault(_DtermList* terms, int nparts) {
  static _Dfopen record;
  record.net = current.net;
  record.nparts = 0;
  for (int part = 1; part <= nparts; ++part) {
    _DfpinList& pins = record.pinlist[record.nparts];
    pins.ngates = 0;
    for (_DtermList* t = terms; t; t = t->next) {
      if (!t->tile || t->tile->processed != part) continue;
      if (pins.ngates + 1 >= MAXNGATES) {
        GCmessage(GC_MOD_FAULT, 'E', "MAXNGATES too small, ignored");
        record.net = -1;
        record.nparts += 1;
        return intern(record);
      }
      pins.gateno[pins.ngates] = t->transistor ? t->transistor->number : -1;
      pins.pinname[pins.ngates] = t->port;
      pins.ngates += 1;
    }
    if (pins.ngates == 0) continue;
    if (record.nparts + 1 >= MAXNPARTS) {
      GCmessage(GC_MOD_FAULT, 'W', "A fault causes MAXNPARTS too small, ignored");
      return nullptr;
    }
    record.nparts += 1;
  }
  if (record.nparts <= 1) return nullptr;
  return intern(record);
}

void FreeBreakList() {
  BreakList.clear();
  for (_Dfopen* e : effects) GCfree(e, sizeof(_Dfopen));
  effects.clear();
}

void DFfreeBreakList() {
  FreeBreakList();
  channelOfNumber.clear();
}

int DFgateType(long number) {
  if (channelOfNumber.empty()) {
    channelOfNumber.assign(static_cast<size_t>(TransNum) + 1, 1);
    for (int e = 0; e < DelementNum && Transistors; ++e)
      for (_Dtransistor* t = Transistors[e]; t; t = t->next)
        if (t->number >= 0 && t->number <= TransNum) channelOfNumber[static_cast<size_t>(t->number)] = static_cast<signed char>(channelClass(e));
  }
  if (number < 0 || static_cast<size_t>(number) >= channelOfNumber.size()) return 1;
  return channelOfNumber[static_cast<size_t>(number)];
}

_Dtilelist* DFxBSTiles(_Dtilelist* tiles, int plane) {
  _Dtilelist* spaces = nullptr;
  for (_Dtilelist* c = tiles; c; c = c->next) {
    _Dtile* t = c->tile;
    if (plane >= 0 && DFlayerIndex(t->type & 0xFF) != plane) continue;
    if (t->node <= 0) {
      GCmessage(GC_MOD_FAULT, 'E', "Unexpected net node value");
      for (_Dtilelist* s = spaces; s; s = s->next) s->tile->node = 0;
      FreeList(spaces);
      return nullptr;
    }
    for (int side : {CS_SIDE_RIGHT, CS_SIDE_LEFT, CS_SIDE_TOP, CS_SIDE_BOTTOM}) {
      _Dtilelist* nbs = nullptr;
      Neighbor(t, &nbs, side, 0);
      for (_Dtilelist* n = nbs; n; n = n->next)
        if (!TisSolid(n->tile) && n->tile->node != 1) {
          n->tile->node = 1;
          spaces = TileToList(spaces, n->tile);
          besideOf[n->tile] = t;
        }
      FreeList(nbs);
    }
  }
  return spaces;
}

void DFproc1NetO(_Dtilelist* tiles, _DtermList* terms, int plane, long d) {
  current.net = tiles ? labs(tiles->tile->node) : 0;
  current.tiles = tiles;
  current.bounds = {GC_INFINITY, GC_INFINITY, -GC_INFINITY, -GC_INFINITY};
  for (_Dtilelist* c = tiles; c; c = c->next) {
    _box& b = current.bounds;
    b.x1 = std::min<long>(b.x1, c->tile->x1), b.y1 = std::min<long>(b.y1, c->tile->y1);
    b.x2 = std::max(b.x2, TileRight(c->tile)), b.y2 = std::max(b.y2, TileTop(c->tile));
  }
  current.terms = terms;
  current.abandon = false;
  _Dtilelist* spaces = DFxBSTiles(tiles, plane);
  for (_Dtilelist* c = spaces; c && !current.abandon; c = c->next) pairsOf(c->tile, d);
  for (_Dtilelist* c = spaces; c; c = c->next) {
    c->tile->node = 0;
    c->tile->processed = 0;
  }
  FreeList(spaces);
  besideOf.clear();
}

void DFmissLayers(int plane, long d) {
  FOpenNum = 0;
  GCcpuTime(0, "DFmissLayers");
  DFwalkNets([&](_Dtile* tile) { oneNet(tile, plane, d, -1, TO_FILE); });
  DFflushFault(-1, DF_KIND_OPEN, 0);
  DFresetPlanes();
  GCmessage(GC_MOD_FAULT, 'M', "%d open faults have been extracted", FOpenNum);
  GCcpuTime(1, "DFmissLayers");
}

void DFmiss1Net(int plane, long d) {
  FOpenNum = 0;
  GCcpuTime(0, "DFmiss1Net");
  oneNet(DlayerTile[0].selected->tile, plane, d, -1, TO_TERMINAL);
  DFresetPlanes();
  GCmessage(GC_MOD_FAULT, 'M', "%d open faults have been extracted", FOpenNum);
  GCcpuTime(1, "DFmiss1Net");
}

void DFmiss1Layer(long x1, long y1, long x2, long y2, int plane, long d) {
  FOpenNum = 0;
  GCcpuTime(0, "DFmiss1Layer");
  const int layer = DlayerTile[plane].layer;
  DFwalkWindowNets(x1, y1, x2, y2, plane, true, [&](_Dtile* t) { oneNet(t, plane, d, layer, TO_FILE); });
  DFflushFault(layer, DF_KIND_OPEN, 0);
  DFresetPlanes();
  fprintf(stderr, "\n%d open faults have been extracted.\n", FOpenNum);
  GCcpuTime(1, "DFmiss1Layer");
}

void DFdisp1Open(long x1, long y1, long x2, long y2, int plane, long d) {
  const int layer = DlayerTile[plane].layer;
  DFwalkWindowNets(x1, y1, x2, y2, plane, false, [&](_Dtile* t) { oneNet(t, plane, d, layer, SHOW_ONLY); });
  DFresetPlanes();
}

int DFex1LayerO() { return DFrunOnVisibleWindow(DFmiss1Layer); }

int DFex1NetO() { return DFrunOnSelectedNet(DFmiss1Net); }

int DFexLayersO() {
  if (!DFinit()) return 0;
  DFmissLayers(-1, DFdefectSize());
  return 1;
}

int DFshowOpen() { return DFrunOnVisibleWindow(DFdisp1Open); }
