// The ten layers of the default technology by name only, for programs that
// read CIF without loading a technology file (the CIF tests, the reader's
// benchmark and fuzzer).
#pragma once
#include <cstdio>

#include "techc/tech.h"

inline const char* const kCvCifLayers[] = {"CAA", "CPG", "CMF", "CMS", "CCA", "CCP", "CVA", "CWN", "CSN", "CSP"};

inline void CVloadCifLayers() {
  DTreset();
  for (const char* name : kCvCifLayers) {
    snprintf(Glayers[GlayerNum].name, sizeof Glayers[GlayerNum].name, "%s", name);
    Glayers[GlayerNum].layer = GlayerNum;
    ++GlayerNum;
  }
}
