// Fuzzes the Cadence technology file reader (second file: clear, parse,
// dummy rules, conversion) over a layer map with a few Cadence layers.
// Run with -close_fd_mask=2 to keep the reader's error lines quiet.
// Seed it with fuzz/corpus/cadence_reader and the shipped lib/corvid_*.tf files
// (the shipped files are not copied into the corpus).
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "designrule/designrule.h"
#include "support/input_file.h"

namespace {
void MapLayers() {
  const char* cadence[] = {"poly", "via1", "nimp", "metal2", "pimp", "contact", "contact",
                           "nwell", "metal1", "active", "dummy"};
  const char* cif[] = {"CPG", "CVA", "CSN", "CMS", "CSP", "CCA", "CCP", "CWN", "CMF", "CAA", "XYZ"};
  memset(CifToCadence, 0, sizeof CifToCadence);
  for (int i = 0; i < 11; ++i) {
    snprintf(CifToCadence[i].cif, 64, "%s", cif[i]);
    snprintf(CifToCadence[i].cadenceLayer, 64, "%s", cadence[i]);
    CifToCadence[i].layerNum = i;
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FZsetUpOnce(MapLayers);
  int which = size > 0 && (data[0] & 1) ? 1 : 2;
  DRparseCadenceText(reinterpret_cast<const char*>(data), size, which);
  return 0;
}
