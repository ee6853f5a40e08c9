// Fixed-size records carved from large blocks: no allocator header per
// record, a freed record goes on the pool's free list for reuse, and the
// blocks go back together once no record is in use. Where the blocks come
// from is the owner's affair (the tile arena, the rectangle range).
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

#include "common/reserved_range.h"

class GCrecordPool {
 public:
  using BlockSource = void* (*)();  // GC_RANGE_BLOCK fresh bytes, or null
  GCrecordPool(size_t size, BlockSource source) : size_(size), source_(source) {}

  // A zero-filled record, or null when the source has no block left.
  // New blocks are handed out by bumping through the newest one, so memory
  // is touched when a record is first used.
  void* take() {
    char* record = head_;
    if (record) {
      memcpy(&head_, record, sizeof head_);
    } else {
      if (left_ == 0) {
        fresh_ = static_cast<char*>(source_());
        if (!fresh_) return nullptr;
        left_ = GC_RANGE_BLOCK / size_;
        blocks_.push_back(fresh_);
      }
      record = fresh_;
      fresh_ += size_;
      --left_;
    }
    memset(record, 0, size_);
    if (++live_ > peak_) peak_ = live_;
    return record;
  }
  void give(void* record) {
    memcpy(record, &head_, sizeof head_);
    head_ = static_cast<char*>(record);
    --live_;
  }
  // Hands every block to `giveBack` when no record is in use.
  void release(void (*giveBack)(void*)) {
    if (live_ != 0) return;
    for (void* b : blocks_) giveBack(b);
    blocks_.clear();
    head_ = fresh_ = nullptr;
    left_ = 0;
    peak_ = 0;
  }
  long live() const { return live_; }
  long peak() const { return peak_; }  // most in use at once since the last release
  long bytes() const { return static_cast<long>(blocks_.size() * GC_RANGE_BLOCK); }

 private:
  size_t size_;
  BlockSource source_;
  char* head_ = nullptr;   // free records, linked through their first word
  char* fresh_ = nullptr;  // next never-used record of the newest block
  size_t left_ = 0;
  long live_ = 0, peak_ = 0;
  std::vector<void*> blocks_;
};
