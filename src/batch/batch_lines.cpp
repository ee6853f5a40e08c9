#include "batch/batch_lines.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "common/message.h"

namespace {
bool notAvailable(const char* keyword, int lineno) {
  BAlineError(lineno, "this build has no handler for", keyword);
  return false;
}
bool point1(const char* args, int lineno) {
  long xy[2];
  if (!BAparseLongs(args, 2, xy, lineno, "point")) return false;
  return notAvailable("point", lineno);
}
bool point3(const char* args, int lineno) {
  if (!BAparseLongs(args, 0, nullptr, lineno, "point3")) return false;
  return notAvailable("point3", lineno);
}
bool view(const char* args, int lineno) {
  if (!*args) {
    BAlineError(lineno, "needs an image file name:", "view");
    return false;
  }
  return notAvailable("view", lineno);
}
bool scale(const char* args, int lineno) {
  long value;
  if (!BAparseLongs(args, 1, &value, lineno, "scale")) return false;
  return notAvailable("scale", lineno);
}
bool layer(const char* args, int lineno) {
  if (!*args) {
    BAlineError(lineno, "needs a layer name:", "layer");
    return false;
  }
  return notAvailable("layer", lineno);
}

// One row per keyword.
const BAlineRow lineTable[] = {
    {"point", point1},
    {"point3", point3},
    {"view", view},
    {"scale", scale},
    {"layer", layer},
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
