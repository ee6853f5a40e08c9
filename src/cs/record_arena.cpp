// The reserved range behind tiles and list cells. Only the address range is
// reserved up front; a block becomes memory when it is first handed out, and
// a block given back returns its pages to the system.
#include "cs/record_arena.h"

#include <sys/mman.h>

#include <vector>

#include "common/message.h"
#include "common/reserved_range.h"

char* CSarenaBase = nullptr;
size_t CSarenaUsed = 0;

namespace {
// References in units of 8 bytes below 2^31 (tile links keep the top bit as
// a mark) reach 16 GiB; smaller ranges are tried where the system will not
// reserve that much address space.
constexpr size_t CS_ARENA_MOST = size_t{16} << 30;

size_t reserved = 0;
// Blocks given back, reused before fresh ones; never destroyed, so they stay
// listed when a leak check runs at exit.
std::vector<void*>& spareBlocks = *new std::vector<void*>;

void reserve() {
  CSarenaBase = GCreserveRange(CS_ARENA_MOST, &reserved);
  if (!CSarenaBase) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
  CSarenaUsed = CS_ARENA_BLOCK;  // reference 0 must never name a record
}
}  // namespace

void* CSarenaTake() {
  if (!spareBlocks.empty()) {
    void* block = spareBlocks.back();
    spareBlocks.pop_back();
    return block;
  }
  if (!CSarenaBase) reserve();
  if (CSarenaUsed + CS_ARENA_BLOCK > reserved) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
  char* block = CSarenaBase + CSarenaUsed;
  if (!GCcommitBlock(block)) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
  CSarenaUsed += CS_ARENA_BLOCK;
  return block;
}

void CSarenaGiveBack(void* block) {
  // The pages read as zero when next touched.
  madvise(block, CS_ARENA_BLOCK, MADV_DONTNEED);
  spareBlocks.push_back(block);
}

void CSarenaStray() { GCfatal(GC_MOD_CS, 1, "Tile record outside its pool"); }
