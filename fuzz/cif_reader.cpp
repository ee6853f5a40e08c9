// Fuzzes the CIF reader and the flattener: parse the input, then flatten it
// when it has a top cell. The reader's deliberate exits (unknown layer, cell
// name too long) are turned into exceptions here; the flattened size is
// capped low so that doubling hierarchies stay quick.
// Run with -close_fd_mask=3 to keep the reader's trace and error lines quiet.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "../tests/support/cif_layers.h"
#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/layout.h"
#include "common/scale.h"
#include "common/switches.h"
#include "techc/tech.h"

namespace {
struct ReaderExit {
  int status;
};

[[noreturn]] void throwExit(int status) { throw ReaderExit{status}; }

void setUp() {
  CVloadCifLayers();
  Silently = 1;
  GCflattenLimit = 200000;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool once = [] {
    setUp();
    return true;
  }();
  (void)once;
  GCresetScale();
  ACexitHook = throwExit;
  try {
    ACinit();
    ACparseBuffer(reinterpret_cast<const char*>(data), size);
    if (Gactive && GfindLayout("CIRCUIT", Gactive)) GCflatten();
  } catch (const ReaderExit&) {
  }
  ACinit();
  return 0;
}
