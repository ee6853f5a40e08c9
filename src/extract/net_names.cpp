// Net names: the table of user and label names and the naming from layout labels.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

#include "common/memory.h"
#include "display/show_flags.h"
#include "extract/net.h"
#include "extract/plane_cursor.h"

_DnameTable* NetNameTable = nullptr;

namespace {
// First entry of each net, kept beside the table so that naming a large design
// from its labels stays linear. Rebuilt whenever the table's head is not the
// one this module put there last (another module pushed an entry).
std::unordered_map<long, _DnameTable*> firstEntry;
_DnameTable* indexedHead = nullptr;

void syncIndex() {
  if (indexedHead == NetNameTable) return;
  firstEntry.clear();
  for (_DnameTable* e = NetNameTable; e; e = e->next) firstEntry.try_emplace(e->node, e);
  indexedHead = NetNameTable;
}

_DnameTable* entryOf(long n) {
  syncIndex();
  auto it = firstEntry.find(n);
  return it == firstEntry.end() ? nullptr : it->second;
}

int underscores(const char* s) {
  int k = 0;
  for (; *s; ++s) k += *s == '_';
  return k;
}

void nameFromLabel(const _labels* label, int plane) {
  _Dtilelist* tiles = DExEnum(plane, label->x - 50, label->y - 50, label->x + 50, label->y + 50);
  _Dtile* named = nullptr;
  for (_Dtilelist* c = tiles; c && !named; c = c->next)
    if (c->tile->node > 0) named = c->tile;
  FreeList(tiles);
  if (!named) return;
  size_t length = strlen(label->label);
  if (_DnameTable* e = entryOf(named->node)) {
    if (underscores(label->label) <= underscores(e->name) && length < sizeof e->name)
      strcpy(e->name, label->label);
    return;
  }
  if (length >= sizeof(_DnameTable::name)) {
    fflush(stderr);
    printf("Fatal: node name too long.\n");
    fflush(stdout);
    exit(1);
  }
  DExAddNetName(named->node, label->label);
}
}  // namespace

void DExAddNetName(long n, const char* name) {
  syncIndex();
  _DnameTable* e = GCnew<_DnameTable>();
  e->node = n;
  snprintf(e->name, sizeof e->name, "%s", name);
  e->next = NetNameTable;
  NetNameTable = e;
  firstEntry[n] = e;
  indexedHead = NetNameTable;
}

void DExFreeNameTable() {
  GCfreeNameList(NetNameTable);
  NetNameTable = nullptr;
  indexedHead = nullptr;
  firstEntry.clear();
}

const char* DExNetName(long n) {
  if (!FsetLabels) return nullptr;
  _DnameTable* e = entryOf(n);
  return e ? e->name : nullptr;
}

void DExCrtNameTb() {
  if (!Gflatten) return;
  DExResetCursors();
  for (int layer = 0; layer < GC_MAX_SLOTS; ++layer) {
    _symbol* slot = Gflatten->symbol[layer];
    if (!slot || !slot->label) continue;
    int plane = DExPlaneOfLayer(layer);
    if (plane < 0 || !DlayerTile[plane].layertile) continue;
    for (const _labels* l = slot->label; l; l = l->next) nameFromLabel(l, plane);
  }
}
