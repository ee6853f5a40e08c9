// Address ranges reserved up front and turned into memory a block at a time.
// Records carved from such a range carry no allocator header, and a pointer
// can be told to belong to the range by one comparison.
#pragma once

#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define GC_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GC_SANITIZED 1
#endif
#endif

inline constexpr size_t GC_RANGE_BLOCK = 2u << 20;

// Reserves the largest range the system allows from `most` bytes down to
// 64 MiB, starting on a block boundary; null when none could be reserved.
char* GCreserveRange(size_t most, size_t* size);
// Makes one block of a reserved range readable and writable (zero-filled);
// false when the system refuses.
bool GCcommitBlock(char* block);
