#include <cstdio>
#include <unordered_set>
#include <vector>

#include "common/memory.h"
#include "extract/net.h"
#include "extract/neighbours.h"
#include "extract/transistor.h"

_Dnet* Nets = nullptr;
int NetsNum = 0;
_Dtilelist* NetTileList = nullptr;
_DtransList* TransList = nullptr;
int RecordTerm = 0;

namespace {
// The transistors of TransList, so that recording one is not a walk of the
// list: a retrace of a rail net meets every transistor on it many times.
std::unordered_set<const _Dtransistor*> recordedTrans;

void record(_Dtile* tile) {
  if (RecordTerm == 1) DErecordTrans(DExTileTransistor(tile));
}

// The contact links still to follow from the tiles of one flood.
struct Pending {
  _Dtilelist* up;
  _Dtilelist* down;
};

// Tags a tile, floods its plane and returns the contact links met on the way.
Pending flood(_Dtile* tile, long n) {
  Stitch = tile;
  tile->node = n;
  Pending p{TlistCat(nullptr, tile->upper, n), nullptr};
  if (!TisElement(tile)) p.down = TlistCat(nullptr, tile->lower, n);
  NetTileList = TileToList(NetTileList, tile);
  record(tile);
  _Dtilelist* front = nullptr;
  AllNeighbor(tile, &front, n, &p.up, &p.down);
  while (front) ListNeighbor(front, &front, n, &p.up, &p.down);
  return p;
}
}  // namespace

_Dtilelist* TlistCat(_Dtilelist* list, _Dtilelist* links, long n) {
  for (_Dtilelist* c = links; c; c = c->next)
    if (c->tile->node != n) list = TileToList(list, c->tile);
  return list;
}

void DErecordTrans(_Dtransistor* transistor) {
  if (!transistor) return;
  if (!TransList) recordedTrans.clear();
  if (!recordedTrans.insert(transistor).second) return;
  _DtransList* c = GCnew<_DtransList>();
  c->transistor = transistor;
  c->next = TransList;
  TransList = c;
}

void DExFreeTransList() {
  recordedTrans.clear();
  GCdeleteChain(TransList);
  TransList = nullptr;
}

void AllNeighbor(_Dtile* tile, _Dtilelist** front, long n, _Dtilelist** up, _Dtilelist** down) {
  auto visit = [&](_Dtile* nb) {
    record(nb);
    if (!TsameType(tile, nb) || TisTaged(nb, n)) return;
    nb->node = n;
    *front = TileToList(*front, nb);
    NetTileList = TileToList(NetTileList, nb);
    *up = TlistCat(*up, nb->upper, n);
    if (!TisElement(nb)) *down = TlistCat(*down, nb->lower, n);
  };
  DExVisitNeighbours(tile, visit);
}

void ListNeighbor(_Dtilelist* front, _Dtilelist** result, long n, _Dtilelist** up,
                  _Dtilelist** down) {
  _Dtilelist* found = nullptr;
  for (_Dtilelist* c = front; c; c = c->next) AllNeighbor(c->tile, &found, n, up, down);
  FreeList(front);
  *result = found;
}

// Each flood's pending links are followed in order, first the upward then the
// downward ones, every one completely before the next, as a recursion would;
// the explicit stack keeps long chains of contacts off the call stack.
void DExPath(_Dtile* tile, long n) {
  if (tile->node == n) return;
  std::vector<Pending> stack;
  stack.push_back(flood(tile, n));
  while (!stack.empty()) {
    Pending& top = stack.back();
    _Dtilelist** list = top.up ? &top.up : top.down ? &top.down : nullptr;
    if (!list) {
      stack.pop_back();
      continue;
    }
    _Dtilelist* cell = *list;
    *list = cell->next;
    _Dtile* next = cell->tile;
    cell->next = nullptr;
    FreeList(cell);
    if (next->node != n) stack.push_back(flood(next, n));
  }
}

_Dnet* DExNewNet(long n) {
  _Dnet* net = GCnew<_Dnet>();
  snprintf(net->name, sizeof net->name, "n%ld", n);
  net->node = n;
  net->tilelist = NetTileList;
  NetTileList = nullptr;
  net->next = Nets;
  Nets = net;
  return net;
}

void DExFreeNets() {
  GCdeleteChain(Nets, [](_Dnet* net) { FreeList(net->tilelist); });
  Nets = nullptr;
  FreeList(NetTileList);
  NetTileList = nullptr;
  NetsNum = 0;
}
