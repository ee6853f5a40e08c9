#include "extract/transistor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "common/cputime.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/switches.h"
#include "cs/build.h"
#include "cs/tile_marks.h"
#include "extract/diffusion_regions.h"
#include "extract/hash.h"
#include "extract/neighbours.h"
#include "extract/net.h"
#include "extract/plane_cursor.h"
#include "techc/tech.h"

_Dtransistor** Transistors = nullptr;
int TransNum = 0;

namespace {
int transistorLists = 0;  // entries of Transistors

// Where a plane is not found or a tile is missing, the highlight list still
// records the culprit so the user can see it.
void highlight(_Dtile* tile, int colour, bool flag) {
  DlayerTile[0].highlight = TileToList(DlayerTile[0].highlight, tile);
  TestTile(tile, colour);
  if (flag) FlagTile(tile);
}

void freeTransistors() {
  for (int e = 0; e < transistorLists; ++e) GCdeleteChain(Transistors[e]);
  if (Transistors) GCfree(Transistors, sizeof(_Dtransistor*) * transistorLists);
  Transistors = nullptr;
  transistorLists = 0;
}

void widen(_box* box, _Dtile* t) {
  if (t->x1 < box->x1) box->x1 = t->x1;
  if (t->y1 < box->y1) box->y1 = t->y1;
  if (TileRight(t) > box->x2) box->x2 = TileRight(t);
  if (TileTop(t) > box->y2) box->y2 = TileTop(t);
}

// Layer number of an element's port layer `k` (its first layer when the
// technology names no ports).
int portLayer(short element, int k) {
  const _Delement& e = Delement[element];
  const char* name = e.portLayerNum > 0 ? e.portlayers[k] : e.layers[0];
  return DTlayerIndex(name);
}

// Whether the box in the plane is all solid (and has tiles) / has a solid
// tile: the walks stop at the first tile that decides.
bool allSolid(int plane, long x1, long y1, long x2, long y2) {
  struct Seen {
    bool any = false, space = false;
  } seen;
  DExVisit(plane, x1, y1, x2, y2,
           [](_Dtile* t, void* c) {
             Seen& s = *static_cast<Seen*>(c);
             s.any = true;
             return s.space = !TisSolid(t);
           },
           &seen);
  return seen.any && !seen.space;
}

bool anySolid(int plane, long x1, long y1, long x2, long y2) {
  bool solid = false;
  DExVisit(plane, x1, y1, x2, y2, [](_Dtile* t, void* c) { return *static_cast<bool*>(c) = TisSolid(t); }, &solid);
  return solid;
}

// The three tiles of a transistor lie in one row (orientation 1), one column
// (-1), or neither (0, with a warning).
int orientationOf(_Dtile* g, _Dtile* s, _Dtile* d) {
  if (g->y1 == s->y1 && s->y1 == d->y1 && TileTop(g) == TileTop(s) && TileTop(s) == TileTop(d))
    return 1;
  if (g->x1 == s->x1 && s->x1 == d->x1 && TileRight(g) == TileRight(s) &&
      TileRight(s) == TileRight(d))
    return -1;
  GCmessage(GC_MOD_EXTRACT, 'W', "gate, drain, source Tiles of transistors are not lined up nicely");
  return 0;
}

// Source left of (or below) the drain.
void orderTerminals(_Dtransistor* t) {
  if (t->orientation == 1) {
    if (t->Tdrain->x1 == t->Tsource->x1)
      GCmessage(GC_MOD_EXTRACT, 'W', "orien = 1, why does x1 = x1?");
    else if (t->Tdrain->x1 < t->Tsource->x1)
      std::swap(t->Tsource, t->Tdrain);
  } else {
    if (t->Tdrain->y1 == t->Tsource->y1)
      GCmessage(GC_MOD_EXTRACT, 'W', "orien = -1, why does y1 = y1?");
    else if (t->Tdrain->y1 < t->Tsource->y1)
      std::swap(t->Tsource, t->Tdrain);
  }
}

void findPolyTiles(_Dtransistor* t) {
  int cpg = DExPlaneIndex("CPG");
  if (cpg < 0) return;
  _Dtile* g = t->Tgate;
  long cx = (g->x1 + TileRight(g)) / 2, cy = (g->y1 + TileTop(g)) / 2;
  t->Pgate = DExFind(cpg, cx, cy);
  if (t->Pgate)
    t->Pgate->activeDev = 3;
  else
    GCmessage(GC_MOD_EXTRACT, 'W', "Poly Gate Tile could not be found in DExCir");
  if (t->orientation == 1) {
    t->Pside1 = DExFind(cpg, cx, g->y1 - 1);
    t->Pside2 = DExFind(cpg, cx, TileTop(g) + 1);
  } else {
    t->Pside1 = DExFind(cpg, g->x1 - 1, cy);
    t->Pside2 = DExFind(cpg, TileRight(g) + 1, cy);
  }
  if (t->Pside1)
    t->Pside1->activeDev = 4;
  else
    GCmessage(GC_MOD_EXTRACT, 'W', "Poly Side1 Tile could not be found in DExCirc.");
  if (t->Pside2)
    t->Pside2->activeDev = 4;
  else
    GCmessage(GC_MOD_EXTRACT, 'W', "Poly Side2 Tile could not be found in DExCirc.");
}

_Dtransistor* makeTransistor(short element, _Dtile* gate, _Dtile* source, _Dtile* drain,
                             const _box* box) {
  TransNum += 1;
  _Dtransistor* t = GCnew<_Dtransistor>();
  snprintf(t->name, sizeof t->name, "%s%d", "m", TransNum);
  t->number = TransNum;
  t->type = element == 0 ? 0 : 1;
  t->Tgate = gate;
  t->Tsource = source;
  t->Tdrain = drain;
  gate->activeDev = 1;
  source->activeDev = 2;
  if (drain) drain->activeDev = 2;
  t->width = static_cast<int>(box->y2 - box->y1);
  t->length = static_cast<int>(box->x2 - box->x1);
  if (drain) {
    t->orientation = orientationOf(gate, source, drain);
    orderTerminals(t);
  }
  findPolyTiles(t);
  t->next = Transistors[element];
  Transistors[element] = t;
  return t;
}

// The net on one terminal tile: an existing one, or a new one traced from it.
long terminalNet(_Dtile* tile) {
  if (tile->node > 0) return tile->node;
  NetsNum += 1;
  DExPath(tile, NetsNum);
  DExNewNet(NetsNum);
  return NetsNum;
}

void numberNets() {
  for (int e = 0; e < DelementNum; ++e) {
    for (_Dtransistor* t = Transistors[e]; t; t = t->next) {
      printf("\nTransistor name = %s\n", t->name);
      _Dtile* g = DExGatePolyTile(t);
      if (!g) {
        GCmessage(GC_MOD_EXTRACT, 'E', "Gate layer tile of %s not found", t->name);
        continue;
      }
      if (g->lower) {
        fflush(stdout);
        fprintf(stderr, "Fatal: There is a contact on the gate.\n");
        exit(0);
      }
      g->lower = reinterpret_cast<_Dtilelist*>(t);
      t->gate = static_cast<int>(terminalNet(g));
      t->source = static_cast<int>(terminalNet(t->Tsource));
      if (t->Tdrain) t->drain = static_cast<int>(terminalNet(t->Tdrain));
      if (t->Tgate->lower) {
        fflush(stdout);
        fprintf(stderr, "Fatal: two transistor share a gate.\n");
        exit(0);
      }
      t->Tgate->lower = reinterpret_cast<_Dtilelist*>(t);
    }
  }
}
}  // namespace

void DExInit() {
  // From now on the transistors and nets point into the planes: a rebuild drops them first.
  CSsetRebuildHook(DExInit);
  freeTransistors();
  DExFreeNets();
  DExFreeTransList();
  DExFreeNameTable();
  DExFreeTerminalRecords();
  FreeHash();
  DExResetCursors();
  TransNum = 0;
  NetsNum = 0;
  RecordTerm = 0;
  transistorLists = DelementNum > 0 ? DelementNum : 1;
  Transistors = static_cast<_Dtransistor**>(GCmalloc(sizeof(_Dtransistor*) * transistorLists));
}

void DExReset() {
  DExInit();
  freeTransistors();
  CSsetRebuildHook(nullptr);  // nothing points into the planes any more
}

_Dtransistor* DExTileTransistor(_Dtile* tile) {
  if (!tile) return nullptr;
  return reinterpret_cast<_Dtransistor*>(TisElement(tile) ? static_cast<void*>(tile->lower)
                                                          : static_cast<void*>(TileNext(tile)));
}

_Dtile* DExGatePolyTile(const _Dtransistor* t) {
  if (!t || !t->Tgate) return nullptr;
  int plane = DExPlaneOfLayer(t->Tgate->type & 0xFF);
  if (plane < 0) return nullptr;
  // Start beside the gate when its poly tile is known: from the plane's last
  // search tile, a walk to another column of an array crosses the tall space
  // strip between columns and then the whole column, which made the fault
  // commands' walk over all transistors grow faster than the layout.
  if (t->Pgate && plane == DExPlaneIndex("CPG")) {
    Stitch = t->Pgate;
    return PointFind(t->Tgate->x1 + 1, t->Tgate->y1 + 1);
  }
  return DExFind(plane, t->Tgate->x1 + 1, t->Tgate->y1 + 1);
}

bool TisPortTile(_Dtile* tile, short element, int check) {
  if (tile->type != portLayer(element, 0)) return false;
  if (!check) return true;
  _Dtile* saved = Stitch;
  bool ok = true;
  for (int k = 1; ok && k < Delement[element].portLayerNum; ++k) {
    int plane = DExPlaneIndex(Delement[element].portlayers[k]);
    ok = plane >= 0 && anySolid(plane, tile->x1, tile->y1, TileRight(tile), TileTop(tile));
  }
  Stitch = saved;
  return ok;
}

short DExElementNo(_Dtile* tile) {
  _Dtile* saved = Stitch;
  long x1 = tile->x1 + 1, y1 = tile->y1 + 1, x2 = TileRight(tile) - 1, y2 = TileTop(tile) - 1;
  if (x1 >= x2) x1 = tile->x1, x2 = TileRight(tile);
  if (y1 >= y2) y1 = tile->y1, y2 = TileTop(tile);
  short best = -1;
  int bestLayers = 0;
  for (short e = 0; e < DelementNum; ++e) {
    bool covered = true;
    for (int j = 1; covered && j < Delement[e].layerNum; ++j) {
      int plane = DExPlaneIndex(Delement[e].layers[j]);
      covered = plane >= 0 && allSolid(plane, x1, y1, x2, y2);
    }
    if (covered && Delement[e].layerNum > bestLayers) {
      best = e;
      bestLayers = Delement[e].layerNum;
    }
  }
  Stitch = saved;
  if (best < 0) {
    GCmessage(GC_MOD_EXTRACT, 'F', "Element structure error");
    best = 0;
  }
  return best;
}

void AllNeighborGSD(_Dtile* tile, _Dtilelist** list, long node, int sameType) {
  bool fromElement = TisElement(tile);
  auto take = [&](_Dtile* nb) {
    if (TisTaged(nb, node)) return;
    if (sameType && !TsameType(tile, nb)) return;
    if (!fromElement && TisElement(nb)) return;
    nb->node = node;
    *list = TileToList(*list, nb);
  };
  DExVisitNeighbours(tile, take);
}

void ListNeighborGSD(_Dtilelist* list, _Dtilelist** result, long node, int sameType) {
  _Dtilelist* found = nullptr;
  for (_Dtilelist* c = list; c; c = c->next) AllNeighborGSD(c->tile, &found, node, sameType);
  FreeList(list);
  *result = found;
}

_box* DExGSD(_Dtile* tile, short element, _Dtile** gate, _Dtile** source, _Dtile** drain,
             int check) {
  *gate = tile;
  *source = *drain = nullptr;
  _box* box = GCnew<_box>();
  box->x1 = tile->x1;
  box->y1 = tile->y1;
  box->x2 = TileRight(tile);
  box->y2 = TileTop(tile);
  tile->node = -1;

  _Dtilelist *list = nullptr, *ports = nullptr, *others = nullptr;
  AllNeighborGSD(tile, &list, -1, 0);
  for (;;) {
    bool metElement = false;
    for (_Dtilelist* c = list; c; c = c->next) {
      _Dtile* t = c->tile;
      if (TisElement(t)) {
        widen(box, t);
        metElement = true;
      } else if (TisPortTile(t, element, check)) {
        ports = TileToList(ports, t);
      } else {
        others = TileToList(others, t);
      }
    }
    if (!metElement) break;
    ListNeighborGSD(list, &list, -1, 0);
  }
  FreeList(list);

  // Each port tile of a diffusion region not met yet starts a terminal: the
  // first region is the source, the second the drain.
  int sourceRegion = -1, drainRegion = -1;
  for (_Dtilelist* c = ports; c; c = c->next) {
    _Dtile* p = c->tile;
    int region = DExRegionOf(p);
    if (region == sourceRegion || region == drainRegion) continue;
    if (*source && *drain) {
      highlight(p, 6, true);
      GCmessage(GC_MOD_EXTRACT, 'W', "One additional port is ignored");
      break;
    }
    if (!*source) {
      *source = p;
      sourceRegion = region;
    } else {
      *drain = p;
      drainRegion = region;
    }
  }

  for (_Dtilelist* c = ports; c; c = c->next) c->tile->node = 0;
  for (_Dtilelist* c = others; c; c = c->next) c->tile->node = 0;
  FreeList(ports);
  FreeList(others);
  return box;
}

namespace {
struct Recognition {
  int noSource = 0, noDrain = 0;
};

// One tile of the active plane, in enumeration order: a gate not met yet
// becomes a transistor (or is reported and highlighted).
bool recognise(_Dtile* tile, void* context) {
  Recognition& counts = *static_cast<Recognition*>(context);
  if (!TisElement(tile) || tile->node == -1) return false;
  short element = DExElementNo(tile);
  _Dtile *gate, *source, *drain;
  _box* box = DExGSD(tile, element, &gate, &source, &drain, DcheckStatus);
  if (!gate) {
    GCmessage(GC_MOD_EXTRACT, 'E', "Ignored a transistor with no gate");
    highlight(tile, 6, true);
  } else if (!source) {
    GCmessage(GC_MOD_EXTRACT, 'E', "Ignored a transistor with no source");
    highlight(gate, 3, false);
    counts.noSource += 1;
  } else {
    if (!drain) {
      GCmessage(GC_MOD_EXTRACT, 'W', "find a transistor with no drain");
      highlight(gate, 6, false);
      counts.noDrain += 1;
    }
    _Dtransistor* t = makeTransistor(element, gate, source, drain, box);
    InsertTranToHash(t->name, t);
  }
  GCdelete(box);
  return false;
}
}  // namespace

int DExCir() {
  if (DlayerNum == 0 || !DlayerTile[0].layertile) {
    GCmessage(GC_MOD_EXTRACT, 'W', "No layout avaiable, load one");
    return 0;
  }
  if (NetsNum != 0 || TransNum != 0) {
    GCmessage(GC_MOD_EXTRACT, 'W', "Reload circuit please");
    return 0;
  }
  if (!Transistors) DExInit();
  DExResetCursors();
  InitHash();
  FreeList(DlayerTile[0].highlight);
  DlayerTile[0].highlight = nullptr;
  FreeList(DlayerTile[0].selected);
  DlayerTile[0].selected = nullptr;
  DExFreeNameTable();
  GCcpuTime(0, "DExCir");

  DExClearRegions();
  const _box& f = DlayerTile[0].frame;
  Recognition counts;
  DExVisit(0, f.x1, f.y1, f.x2, f.y2, recognise, &counts);
  DExClearRegions();

  GCmessage(GC_MOD_EXTRACT, 'M', "%d transistors are extracted", TransNum);
  GCmessage(GC_MOD_EXTRACT, 'M', "%d no source transistors are ignored", counts.noSource);
  GCmessage(GC_MOD_EXTRACT, 'M', "%d no drain transistors are found", counts.noDrain);
  GCcpuTime(0, "DExCir");

  numberNets();
  GCmessage(GC_MOD_EXTRACT, 'M', "%d nets are extracted", NetsNum);
  GCcpuTime(1, "DExCir");
  return 1;
}
