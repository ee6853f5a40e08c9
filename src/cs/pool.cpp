// Fixed-size pools for tiles and list cells. Planes hold millions of tiles, so
// they are carved from large zeroed blocks instead of one system allocation
// each; a freed record goes on its pool's free list for the next plane.
#include <cstring>

#include "common/memory.h"
#include "cs/cs.h"

namespace {
struct FreeBlock {
  FreeBlock* next;
};

struct RecordPool {
  size_t size;
  size_t perBlock;
  FreeBlock* head;
  long live;
  long bytes;
};

RecordPool tilePool = {sizeof(_Dtile), 8192, nullptr, 0, 0};
RecordPool cellPool = {sizeof(_Dtilelist), 16384, nullptr, 0, 0};

void* take(RecordPool& pool) {
  if (!pool.head) {
    char* area = static_cast<char*>(GCballoc(pool.perBlock, pool.size));
    pool.bytes += static_cast<long>(pool.perBlock * pool.size);
    for (size_t i = pool.perBlock; i-- > 0;) {
      FreeBlock* b = reinterpret_cast<FreeBlock*>(area + i * pool.size);
      b->next = pool.head;
      pool.head = b;
    }
  }
  FreeBlock* b = pool.head;
  pool.head = b->next;
  memset(static_cast<void*>(b), 0, pool.size);
  pool.live++;
  return b;
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
  if (tile) give(tilePool, tile);
}

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
long CSpoolBytes() { return tilePool.bytes + cellPool.bytes; }
