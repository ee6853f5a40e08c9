// X bitmap (XBM) files without X: fill patterns and cursor shapes.
#pragma once
#include <cstddef>
#include <vector>

struct GCbitmap {
  int width = 0;
  int height = 0;
  int xHot = -1, yHot = -1;
  // Rows of (width + 7) / 8 bytes, least significant bit leftmost, as in XBM.
  std::vector<unsigned char> bits;
  bool pixel(int x, int y) const {
    return (bits[static_cast<size_t>(y) * static_cast<size_t>((width + 7) / 8) + static_cast<size_t>(x / 8)] >> (x % 8)) & 1;
  }
};

inline constexpr int GC_BITMAP_MAX_SIDE = 4096;

// Reads an XBM file; false (and `out` untouched) when it cannot be opened or
// is not a well-formed bitmap of at most 4096 x 4096.
bool GCreadBitmap(const char* path, GCbitmap* out);
// The same from text already in memory.
bool GCparseBitmap(const char* text, size_t length, GCbitmap* out);
