// Fixed-size pools for tiles and list cells. Planes hold millions of tiles, so
// they are carved from large blocks of the record arena instead of one
// allocation each; a freed record goes on its pool's free list for reuse, and
// the blocks go back when no record is in use (CSreset).
#include <unordered_map>

#include "common/memory.h"
#include "common/message.h"
#include "common/record_pool.h"
#include "cs/cs.h"
#include "cs/hint_grid.h"
#include "cs/side_scan.h"

namespace {
// Cold fields by tile; empty unless a later stage wrote one.
std::unordered_map<const _Dtile*, _DtileCold>& coldFields() {
  static std::unordered_map<const _Dtile*, _DtileCold> table;
  return table;
}

// Blocks come from the record arena; every tile and list cell lies in it.
GCrecordPool tilePool(sizeof(_Dtile), CSarenaTake);
GCrecordPool cellPool(sizeof(_Dtilelist), CSarenaTake);
}  // namespace

_Dtile* NewTile() { return static_cast<_Dtile*>(tilePool.take()); }

void FreeTile(_Dtile* tile) {
  if (!tile) return;
  CShintForget(tile);
  if (!coldFields().empty()) coldFields().erase(tile);
  tile->lower = nullptr;  // frees a side-table slot the link may hold
  tile->upper = nullptr;
  // No stitch leads out of a freed tile, so a finger left on it is refused.
  tile->rt = tile->tr = tile->lb = tile->bl = nullptr;
  tilePool.give(tile);
}

_DtileCold* CStileCold(const _Dtile* tile) {
  if (coldFields().empty()) return nullptr;
  auto found = coldFields().find(tile);
  return found == coldFields().end() ? nullptr : &found->second;
}

_DtileCold& CStileColdMake(_Dtile* tile) { return coldFields()[tile]; }

long CScoldTiles() { return static_cast<long>(coldFields().size()); }

_Dtilelist* TileToList(_Dtilelist* list, _Dtile* tile) {
  _Dtilelist* cell = static_cast<_Dtilelist*>(cellPool.take());
  cell->tile = tile;
  cell->next = list;
  return cell;
}

void FreeList(_Dtilelist* list) {
  while (list) {
    _Dtilelist* next = list->next;
    cellPool.give(list);
    list = next;
  }
}

unsigned CSshortRecordSize = 0;
unsigned CSopenRecordSize = 0;

namespace {
void freeListWithRecords(_Dtilelist* list, unsigned recordSize) {
  for (_Dtilelist* c = list; c; c = c->next) {
    if (c->tile && c->tile->upper && recordSize) GCfree(c->tile->upper, recordSize);
    FreeTile(c->tile);
  }
  FreeList(list);
}
}  // namespace

void FreeList2(_Dtilelist* list) { freeListWithRecords(list, CSshortRecordSize); }
void FreeList3(_Dtilelist* list) { freeListWithRecords(list, CSopenRecordSize); }

long CSliveTiles() { return tilePool.live(); }
long CSliveCells() { return cellPool.live(); }
long CSpeakTiles() { return tilePool.peak(); }
long CSpeakCells() { return cellPool.peak(); }
long CSpoolBytes() { return tilePool.bytes() + cellPool.bytes(); }

void CSreleasePools() {
  if (tilePool.live() == 0) {
    std::unordered_map<const _Dtile*, _DtileCold>().swap(coldFields());
    CSlinksReset();
    CSfingersReset();
  }
  tilePool.release(CSarenaGiveBack);
  cellPool.release(CSarenaGiveBack);
}
