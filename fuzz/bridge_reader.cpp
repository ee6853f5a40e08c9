// Fuzzes the bridge file reader against a layer map holding the default
// technology's layer names, so that lines naming one fill its Cadence side.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "designrule/designrule.h"

namespace {
const char* const kLayers[] = {"CPG", "CAA", "CSP", "CSN", "CWP", "CWN", "CCP", "CCA", "CMF", "CMS", "CVA", "COG"};

void fillMap() {
  DRreset();
  int i = 0;
  for (const char* name : kLayers) {
    snprintf(CifToCadence[i].cif, sizeof CifToCadence[i].cif, "%s", name);
    CifToCadence[i].layerNum = i;
    ++i;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!f) return 0;
  fillMap();
  DRparseBridge(f);
  fclose(f);
  for (const CIFtoCADENCElayers& m : CifToCadence)
    if (!memchr(m.cadenceLayer, '\0', sizeof m.cadenceLayer) || !memchr(m.purpose, '\0', sizeof m.purpose))
      __builtin_trap();
  return 0;
}
