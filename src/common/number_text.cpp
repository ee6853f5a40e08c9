#include "common/number_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

bool GCreadInt(const char* text, int* out, const char** rest) {
  char* end;
  errno = 0;
  long v = strtol(text, &end, 10);
  if (end == text || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  if (rest)
    *rest = end;
  else if (*end)
    return false;
  *out = static_cast<int>(v);
  return true;
}
