// The default technology's layer names, for the design-rule and sweep tests.
#pragma once
#include <cstdio>

#include "common/message.h"
#include "techc/tech.h"

inline void SetDefaultLayerNames() {
  const char* names[] = {"CPG", "CVA", "CSN", "CMS", "CSP", "CCA", "CCP", "CWN", "CMF", "CAA", "XYZ"};
  for (int i = 0; i < 11; ++i) {
    snprintf(Glayers[i].name, sizeof Glayers[i].name, "%s", names[i]);
    Glayers[i].layer = i;
  }
  GlayerNum = 11;
}
