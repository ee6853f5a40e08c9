// The reserved range behind tiles and list cells. Only the address range is
// reserved up front; a block becomes memory when it is first handed out, and
// a block given back returns its pages to the system.
#include "cs/record_arena.h"

#include <sys/mman.h>

#include <vector>

#include "common/message.h"

#if defined(__SANITIZE_ADDRESS__)
#define CS_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CS_LEAK_CHECKED 1
#endif
#endif
#ifdef CS_LEAK_CHECKED
#include <sanitizer/lsan_interface.h>
#endif

char* CSarenaBase = nullptr;
size_t CSarenaUsed = 0;

namespace {
// References in units of 8 bytes below 2^31 (tile links keep the top bit as
// a mark) reach 16 GiB; smaller ranges are tried where the system will not
// reserve that much address space.
constexpr size_t CS_ARENA_MOST = size_t{16} << 30;
constexpr size_t CS_ARENA_LEAST = size_t{64} << 20;

size_t reserved = 0;
// Blocks given back, reused before fresh ones; never destroyed, so they stay
// listed when a leak check runs at exit.
std::vector<void*>& spareBlocks = *new std::vector<void*>;

void reserve() {
  for (size_t size = CS_ARENA_MOST; size >= CS_ARENA_LEAST; size /= 2) {
    void* range = mmap(nullptr, size, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (range == MAP_FAILED) continue;
    // Blocks aligned to their size can become huge pages.
    char* start = static_cast<char*>(range);
    size_t skew = reinterpret_cast<uintptr_t>(start) % CS_ARENA_BLOCK;
    size_t lead = skew ? CS_ARENA_BLOCK - skew : 0;
    CSarenaBase = start + lead;
    reserved = size - lead;
    CSarenaUsed = CS_ARENA_BLOCK;  // reference 0 must never name a record
    return;
  }
  GCfatal(GC_MOD_CS, 1, "Can not create a tile");
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
  if (mprotect(block, CS_ARENA_BLOCK, PROT_READ | PROT_WRITE) != 0) GCfatal(GC_MOD_CS, 1, "Can not create a tile");
#ifdef MADV_HUGEPAGE
  // One huge page per block where the system offers them: a million-rectangle
  // plane then costs a few hundred page faults instead of a hundred thousand.
  madvise(block, CS_ARENA_BLOCK, MADV_HUGEPAGE);
#endif
#ifdef CS_LEAK_CHECKED
  // Records hung on tiles (transistors, fault records) are reached only from
  // here; the leak checker must look inside.
  __lsan_register_root_region(block, CS_ARENA_BLOCK);
#endif
  CSarenaUsed += CS_ARENA_BLOCK;
  return block;
}

void CSarenaGiveBack(void* block) {
  // The pages read as zero when next touched.
  madvise(block, CS_ARENA_BLOCK, MADV_DONTNEED);
  spareBlocks.push_back(block);
}

void CSarenaStray() { GCfatal(GC_MOD_CS, 1, "Tile record outside its pool"); }
