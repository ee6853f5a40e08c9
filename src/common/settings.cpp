#include "common/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/message.h"

char StringBuffer[1024];
char CommandLine[1024];

namespace {
// Finds `key` as the first word of a line and leaves the stream just after it.
FILE* openAtKey(const char* key) {
  const char* path = getenv("SYSRC");
  if (!path) GCfatal(GC_MOD_INTERFACE, 1, "%s env var must be set", "SYSRC");
  FILE* f = fopen(path, "r");
  if (!f) GCfatal(GC_MOD_INTERFACE, 1, "No system source file");
  char word[1024];
  while (fscanf(f, "%1023s", word) == 1) {
    if (strcmp(word, key) == 0) return f;
    int c;
    while ((c = getc(f)) != EOF && c != '\n') {
    }
  }
  fclose(f);
  GCfatal(GC_MOD_INTERFACE, 1, "System source file error");
}
}  // namespace

long GCgetValue(const char* key) {
  FILE* f = openAtKey(key);
  long value = 0;
  if (fscanf(f, "%ld", &value) != 1) {
    fclose(f);
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error");
  }
  fclose(f);
  return value;
}

const char* GCgetName(const char* key) {
  FILE* f = openAtKey(key);
  if (fscanf(f, "%1023s", StringBuffer) != 1) {
    fclose(f);
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error");
  }
  fclose(f);
  return StringBuffer;
}

const char* GCgetPath(const char* key) {
  GCgetName(key);
  if (StringBuffer[0] == '/') return StringBuffer;
  const char* sysrc = getenv("SYSRC");  // set: GCgetName has checked it
  const char* slash = strrchr(sysrc, '/');
  if (!slash) return StringBuffer;
  size_t dirLength = static_cast<size_t>(slash - sysrc) + 1;
  size_t valueLength = strlen(StringBuffer);
  if (dirLength + valueLength >= sizeof StringBuffer)
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error");
  memmove(StringBuffer + dirLength, StringBuffer, valueLength + 1);
  memcpy(StringBuffer, sysrc, dirLength);
  return StringBuffer;
}
