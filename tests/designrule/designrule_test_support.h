// Helpers of the design-rule tests: the default technology's layer names,
// a printable table row.
#pragma once
#include <cstdio>
#include <string>

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

inline std::string RuleRow(const short* values, const short* valid, int n) {
  std::string row;
  for (int j = 0; j < n; ++j) {
    if (j) row += ' ';
    row += valid[j] ? std::to_string(values[j]) : ".";
  }
  return row;
}

