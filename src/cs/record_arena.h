// Tiles and list cells live in one reserved range of addresses, so a link
// between them fits in 32 bits: the record's offset from the start of the
// range in units of 8 bytes. Planes of millions of tiles are mostly links;
// halving them keeps a tile at 56 bytes and a list cell at 8.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/reserved_range.h"

// Start of the range; null until the first block is taken. Offset 0 is never
// handed out, so the reference 0 stands for null.
extern char* CSarenaBase;

// A fresh block of CS_ARENA_BLOCK bytes from the range, zero-filled when it was
// never used; fatal "Can not create a tile" when the range is exhausted.
inline constexpr size_t CS_ARENA_BLOCK = GC_RANGE_BLOCK;
void* CSarenaTake();
// Gives a block's memory back to the system and keeps the block for reuse.
void CSarenaGiveBack(void* block);
// Bytes handed out from the start of the range.
extern size_t CSarenaUsed;
[[noreturn]] void CSarenaStray();
inline bool CSarenaHolds(const void* record) {
  size_t offset = static_cast<size_t>(static_cast<const char*>(record) - CSarenaBase);
  return offset < CSarenaUsed;
}
// The 32-bit reference of a record inside the range; fatal for any other
// address, which would otherwise be silently cut.
inline uint32_t CSarenaRefOf(const void* record) {
  size_t offset = static_cast<size_t>(static_cast<const char*>(record) - CSarenaBase);
  if (!CSarenaHolds(record) || offset % 8 != 0) CSarenaStray();
  return static_cast<uint32_t>(offset >> 3);
}

template <class T>
class CSref {
 public:
  CSref() = default;
  CSref(T* record) : ref_(record ? CSarenaRefOf(record) : 0) {}
  CSref& operator=(T* record) {
    ref_ = record ? CSarenaRefOf(record) : 0;
    return *this;
  }
  operator T*() const { return ref_ ? reinterpret_cast<T*>(CSarenaBase + (size_t{ref_} << 3)) : nullptr; }
  T* operator->() const { return *this; }

 private:
  uint32_t ref_;
};
