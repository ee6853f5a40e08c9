#include "common/reserved_range.h"

#include <sys/mman.h>

#include <cstdint>

#ifdef GC_SANITIZED
#include <sanitizer/lsan_interface.h>
#endif

char* GCreserveRange(size_t most, size_t* size) {
  for (size_t want = most; want >= (size_t{64} << 20); want /= 2) {
    void* range = mmap(nullptr, want, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (range == MAP_FAILED) continue;
    // Blocks aligned to their size can become huge pages.
    char* start = static_cast<char*>(range);
    size_t skew = reinterpret_cast<uintptr_t>(start) % GC_RANGE_BLOCK;
    size_t lead = skew ? GC_RANGE_BLOCK - skew : 0;
    *size = want - lead;
    return start + lead;
  }
  *size = 0;
  return nullptr;
}

bool GCcommitBlock(char* block) {
  if (mprotect(block, GC_RANGE_BLOCK, PROT_READ | PROT_WRITE) != 0) return false;
#ifdef MADV_HUGEPAGE
  // One huge page per block where the system offers them: a million records
  // then cost a few hundred page faults instead of tens of thousands.
  madvise(block, GC_RANGE_BLOCK, MADV_HUGEPAGE);
#endif
#ifdef GC_SANITIZED
  // Records kept here may hold the only pointer to heap blocks; the leak
  // checker must look inside.
  __lsan_register_root_region(block, GC_RANGE_BLOCK);
#endif
  return true;
}
