// Fuzzes the XBM reader: a bitmap it accepts holds exactly the bytes its
// size needs, and one it refuses leaves the result untouched.
#include <cstdint>

#include "common/xbm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GCbitmap bitmap;
  bitmap.width = -7;
  if (!GCparseBitmap(reinterpret_cast<const char*>(data), size, &bitmap)) {
    if (bitmap.width != -7 || !bitmap.bits.empty()) __builtin_trap();
    return 0;
  }
  if (bitmap.width < 1 || bitmap.height < 1 || bitmap.width > GC_BITMAP_MAX_SIDE ||
      bitmap.height > GC_BITMAP_MAX_SIDE ||
      bitmap.bits.size() != static_cast<size_t>((bitmap.width + 7) / 8) * static_cast<size_t>(bitmap.height))
    __builtin_trap();
  (void)bitmap.pixel(bitmap.width - 1, bitmap.height - 1);
  return 0;
}
