#include "batch/batch_lines.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "batch/resize_lines.h"
#include "common/message.h"
#include "view/batch_lines.h"
#include "yield/batch_plots.h"

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
    char* end;
    errno = 0;
    long v = strtol(p, &end, 10);
    if (end == p || errno == ERANGE || v < INT_MIN || v > INT_MAX || (*end && *end != ' ' && *end != '\t')) {
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
