// Fuzzes the simple design-rule file reader: any text must be read to its end
// without leaving the width, extension and spacing tables.
#include <cstdint>
#include <cstdio>

#include "designrule/designrule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!f) return 0;
  DRreset();
  if (ReadDesignRules(f) != 1) __builtin_trap();  // the reader closes the file
  return 0;
}
