// libFuzzer target for the technology file reader: any input must parse or
// fail cleanly, never overflow a table or crash.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "common/switches.h"
#include "techc/tech.h"
#include "techc/tech_reader.h"

namespace {
void noContext(int) {}

bool silenced() {
  Silently = 1;  // no message echo
  if (!freopen("/dev/null", "w", stdout)) return false;  // the reader echoes stray characters
  DTsetLayerGCMaker(noContext);
  return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool ready = silenced();
  (void)ready;
  techin = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!techin) return 0;
  DTrdInit();
  TECHparse();
  if (GlayerNum > DT_MAX_LAYERS - 1 || DelementNum > DT_MAX_RULES || DconNum > DT_MAX_RULES ||
      LXindDefNum > DT_MAX_RULES || CXcapDefNum > DT_MAX_RULES || RXresDefNum > DT_MAX_RULES)
    __builtin_trap();
  for (int i = 0; i < DelementNum; ++i)
    if (Delement[i].layerNum > DT_MAX_ITEMS || Delement[i].portLayerNum > DT_MAX_ITEMS) __builtin_trap();
  return 0;
}
