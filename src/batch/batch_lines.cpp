#include "batch/batch_lines.h"

#include <cstdlib>
#include <cstring>

#include "batch/resize_lines.h"
#include "common/message.h"
#include "common/number_text.h"
#include "batch/view_lines.h"
#include "batch/plot_lines.h"

namespace {
// One row per keyword.
const BAlineRow lineTable[] = {
    {"point", DVbatchPoint},
    {"point3", DVbatchPoint3},
    {"view", DVbatchView},
    {"scale", DVbatchScale},
    {"layer", DVbatchLayer},
    {"viewsize", DVbatchViewSize},
    {"plots", DYbatchPlots},
    {"option", BAoptionLine},
    {"resize", BAresizeLine},
    {"answer", BAanswerLine},
};
}  // namespace

BAlineHandler BAfindLine(const char* keyword) {
  for (const BAlineRow& row : lineTable)
    if (strcmp(row.keyword, keyword) == 0) return row.handler;
  return nullptr;
}

void BAlineError(int lineno, const char* reason, const char* detail) {
  GCmessage(GC_MOD_INTERFACE, 'E', "Script line %d: %s %s", lineno, reason, detail);
}

bool BAparseLongs(const char* args, int count, long* values, int lineno, const char* keyword) {
  const char* p = args;
  for (int i = 0; i < count; ++i) {
    int v;
    const char* end;
    if (!GCreadInt(p, &v, &end) || (*end && *end != ' ' && *end != '\t')) {
      BAlineError(lineno, "expects whole numbers (32-bit):", keyword);
      return false;
    }
    values[i] = v;
    p = end;
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (*p) {
    BAlineError(lineno, "has too many arguments:", keyword);
    return false;
  }
  return true;
}
