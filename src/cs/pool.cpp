// Fixed-size pools for tiles and list cells. Planes hold millions of tiles, so
// they are carved from large blocks of the record arena instead of one
// allocation each; a freed record goes on its pool's free list for reuse, and
// the blocks go back when no record is in use (CSreset).
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "common/memory.h"
#include "common/message.h"
#include "cs/cs.h"
#include "cs/hint_grid.h"

namespace {
struct FreeBlock {
  FreeBlock* next;
};

struct RecordPool {
  size_t size;
  FreeBlock* head;
  long live;
  long peak;  // most records in use at once since the blocks were last released
  long bytes;
  std::vector<void*> blocks;
  char* fresh;    // next never-used record of the newest block
  size_t unused;  // records left there
};

// Cold fields by tile; empty unless a later stage wrote one.
std::unordered_map<const _Dtile*, _DtileCold>& coldFields() {
  static std::unordered_map<const _Dtile*, _DtileCold> table;
  return table;
}

RecordPool tilePool = {sizeof(_Dtile), nullptr, 0, 0, 0, {}, nullptr, 0};
RecordPool cellPool = {sizeof(_Dtilelist), nullptr, 0, 0, 0, {}, nullptr, 0};

// Gives the blocks back to the system once every record is home again.
void release(RecordPool& pool) {
  if (pool.live != 0) return;
  for (void* b : pool.blocks) CSarenaGiveBack(b);
  pool.blocks.clear();
  pool.head = nullptr;
  pool.fresh = nullptr;
  pool.unused = 0;
  pool.bytes = 0;
  pool.peak = 0;
}

// New blocks are handed out by bumping through the newest area, so memory is
// touched once, when the record is first used.
void* take(RecordPool& pool) {
  void* record;
  if (pool.head) {
    record = pool.head;
    pool.head = pool.head->next;
  } else {
    if (pool.unused == 0) {
      pool.fresh = static_cast<char*>(CSarenaTake());
      pool.unused = CS_ARENA_BLOCK / pool.size;
      pool.bytes += static_cast<long>(CS_ARENA_BLOCK);
      pool.blocks.push_back(pool.fresh);
    }
    record = pool.fresh;
    pool.fresh += pool.size;
    pool.unused--;
  }
  memset(record, 0, pool.size);
  if (++pool.live > pool.peak) pool.peak = pool.live;
  return record;
}

void give(RecordPool& pool, void* record) {
  FreeBlock* b = static_cast<FreeBlock*>(record);
  b->next = pool.head;
  pool.head = b;
  pool.live--;
}
}  // namespace

_Dtile* NewTile() { return static_cast<_Dtile*>(take(tilePool)); }

void FreeTile(_Dtile* tile) {
  if (!tile) return;
  CShintForget(tile);
  if (!coldFields().empty()) coldFields().erase(tile);
  tile->lower = nullptr;  // frees a side-table slot the link may hold
  tile->upper = nullptr;
  give(tilePool, tile);
}

_DtileCold* CStileCold(const _Dtile* tile) {
  if (coldFields().empty()) return nullptr;
  auto found = coldFields().find(tile);
  return found == coldFields().end() ? nullptr : &found->second;
}

_DtileCold& CStileColdMake(_Dtile* tile) { return coldFields()[tile]; }

long CScoldTiles() { return static_cast<long>(coldFields().size()); }

_Dtilelist* TileToList(_Dtilelist* list, _Dtile* tile) {
  _Dtilelist* cell = static_cast<_Dtilelist*>(take(cellPool));
  cell->tile = tile;
  cell->next = list;
  return cell;
}

void FreeList(_Dtilelist* list) {
  while (list) {
    _Dtilelist* next = list->next;
    give(cellPool, list);
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

long CSliveTiles() { return tilePool.live; }
long CSliveCells() { return cellPool.live; }
long CSpeakTiles() { return tilePool.peak; }
long CSpeakCells() { return cellPool.peak; }
long CSpoolBytes() { return tilePool.bytes + cellPool.bytes; }

void CSreleasePools() {
  if (tilePool.live == 0) {
    std::unordered_map<const _Dtile*, _DtileCold>().swap(coldFields());
    CSlinksReset();
  }
  release(tilePool);
  release(cellPool);
}
