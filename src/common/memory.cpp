#include "common/memory.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/message.h"
#include "common/record_pool.h"
#include "common/reserved_range.h"
#include "common/switches.h"

namespace {
// A free block keeps the link to the next free block in its last pointer-sized
// bytes (unaligned, hence memcpy).
struct Pool {
  size_t size;
  size_t refill;
  char* head;
  long refills;
};
Pool pools[] = {{8, 20000, nullptr, 0}, {20, 20000, nullptr, 0}, {24, 20000, nullptr, 0},
                {40, 2000, nullptr, 0}, {44, 40000, nullptr, 0}};
long size_account[GC_ACCOUNT_SLOTS];
// Every area obtained for the pools: pooled blocks are never returned to the
// system, and keeping the areas listed keeps them reachable for leak checkers.
// The list itself is never destroyed, so it still holds them when the leak
// check runs at exit.
std::vector<void*>& poolAreas = *new std::vector<void*>;

Pool* poolFor(size_t size) {
  for (Pool& p : pools)
    if (p.size == size) return &p;
  return nullptr;
}
char* linkOf(char* block, size_t size) { return block + size - sizeof(char*); }
char* readLink(char* block, size_t size) {
  char* next;
  memcpy(&next, linkOf(block, size), sizeof next);
  return next;
}
void writeLink(char* block, size_t size, char* next) { memcpy(linkOf(block, size), &next, sizeof next); }
// Rectangles are a layout's most numerous records (a million-rectangle
// array is held twice after flattening); 24-byte blocks are therefore carved
// from a reserved range of their own, without an allocator header each, and
// any block inside the range goes back to it whatever size it is freed with.
// Sanitized builds leave them separate allocations so every access stays
// checked.
struct RectangleRange {
  char* base = nullptr;
  size_t used = 0, reserved = 0;
  bool holds(const void* p) const { return static_cast<size_t>(static_cast<const char*>(p) - base) < used; }
} rectangleRange;
constexpr size_t RECTANGLE_SIZE = 24;

void* nextRectangleBlock() {
  RectangleRange& r = rectangleRange;
  if (!r.base) r.base = GCreserveRange(size_t{8} << 30, &r.reserved);
  if (!r.base || r.used + GC_RANGE_BLOCK > r.reserved || !GCcommitBlock(r.base + r.used)) return nullptr;
  r.used += GC_RANGE_BLOCK;
  return r.base + r.used - GC_RANGE_BLOCK;
}
GCrecordPool rectangles(RECTANGLE_SIZE, nextRectangleBlock);

size_t slotOf(size_t size) { return size < GC_ACCOUNT_SLOTS - 1 ? size : GC_ACCOUNT_SLOTS - 1; }
}  // namespace

void GCmemInit() {
  for (Pool& p : pools) {
    p.head = nullptr;
    p.refills = 0;
  }
  memset(size_account, 0, sizeof size_account);
}

void* GCballoc(size_t count, size_t size) {
  char* area = static_cast<char*>(calloc(count, size));
  if (!area) GCfatal(GC_MOD_COMMON, 1, "Malloc failed");
  poolAreas.push_back(area);
  for (size_t i = 0; i + 1 < count; ++i) writeLink(area + i * size, size, area + (i + 1) * size);
  if (Statistic) fprintf(stderr, "***** Alloc %d x %d memory from OS *****\n", (int)count, (int)size);
  return area;
}

void* GCmalloc(size_t size) {
  if (Statistic) size_account[slotOf(size)]++;
  if (OwnMemory) {
    if (Pool* p = poolFor(size)) {
      if (!p->head) {
        p->head = static_cast<char*>(GCballoc(p->refill, size));
        p->refills++;
      }
      char* block = p->head;
      p->head = readLink(block, size);
      writeLink(block, size, nullptr);
      return block;
    }
  }
#ifndef GC_SANITIZED
  if (size == RECTANGLE_SIZE)
    if (void* block = rectangles.take()) return block;
#endif
  void* block = calloc(1, size ? size : 1);
  if (!block) GCfatal(GC_MOD_COMMON, 1, "Memory allocation failed");
  return block;
}

void GCfree(void* pointer, size_t size) {
  if (!pointer) return;
  if (Statistic) size_account[slotOf(size)]--;
  if (rectangleRange.holds(pointer)) {
    rectangles.give(pointer);
    return;
  }
  memset(pointer, 0, size);
  if (OwnMemory) {
    if (Pool* p = poolFor(size)) {
      char* block = static_cast<char*>(pointer);
      writeLink(block, size, p->head);
      p->head = block;
      return;
    }
  }
  free(pointer);
}

void* GCmemcpy(const void* source, size_t size) {
  void* copy = GCmalloc(size);
  if (source && size) memcpy(copy, source, size);
  return copy;
}

size_t GCstrlen(const char* s) { return s ? strlen(s) + 1 : 0; }

char* GCstrcpy(const char* s) {
  if (!s) return nullptr;
  return static_cast<char*>(GCmemcpy(s, GCstrlen(s)));
}

void GCstrfree(char* s) { GCfree(s, GCstrlen(s)); }

int GCstrcmp(const char* a, const char* b) {
  if (!a || !b) GCfatal(GC_MOD_COMMON, 1, "Can't compare null strings");
  return strcmp(a, b);
}

long GCsizeAccount(size_t size) { return size_account[slotOf(size)]; }
long GCpoolRefills(size_t size) {
  Pool* p = poolFor(size);
  return p ? p->refills : 0;
}
