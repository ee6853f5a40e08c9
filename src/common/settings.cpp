#include "common/settings.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/message.h"

char StringBuffer[1024];
char CommandLine[1024];

namespace {
// The settings file open just after `key`, the first word of line `line`.
struct KeyLine {
  FILE* file;
  const char* path;
  int line;
};

// Skips white space up to the next word, counting the line ends passed so
// that a message names the line the word is on; false at the end of the file.
bool skipBlankLines(FILE* f, int* line) {
  int c;
  while ((c = getc(f)) != EOF && isspace(c))
    if (c == '\n') ++*line;
  if (c == EOF) return false;
  ungetc(c, f);
  return true;
}

KeyLine openAtKey(const char* key) {
  const char* path = getenv("SYSRC");
  if (!path) GCfatal(GC_MOD_INTERFACE, 1, "%s env var must be set", "SYSRC");
  FILE* f = fopen(path, "r");
  if (!f) GCfatal(GC_MOD_INTERFACE, 1, "No system source file");
  char word[1024];
  int line = 1;
  while (skipBlankLines(f, &line) && fscanf(f, "%1023s", word) == 1) {
    if (strcmp(word, key) == 0) return {f, path, line};
    int c;
    while ((c = getc(f)) != EOF && c != '\n') {
    }
    ++line;
  }
  fclose(f);
  GCfatal(GC_MOD_INTERFACE, 1, "System source file error: no line of %s starts with the key %s", path, key);
}

// The word after the key on its line, or fatal when the line ends first.
void valueWord(const KeyLine& at, const char* key, char* word) {
  int c;
  while ((c = getc(at.file)) != EOF && c != '\n' && isspace(c)) {
  }
  if (c != EOF) ungetc(c, at.file);
  if (c == EOF || c == '\n' || fscanf(at.file, "%1023s", word) != 1) {
    fclose(at.file);
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error: %s line %d: no value for %s", at.path, at.line, key);
  }
  // A value that fills the buffer may go on: refuse it rather than use a part.
  c = getc(at.file);
  fclose(at.file);
  if (c != EOF && !isspace(c))
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error: %s line %d: the value of %s is longer than %d characters",
            at.path, at.line, key, 1023);
}
}  // namespace

long GCgetValue(const char* key) { return GCgetValueIn(key, LONG_MIN, LONG_MAX); }

long GCgetValueIn(const char* key, long low, long high) {
  KeyLine at = openAtKey(key);
  char word[1024];
  valueWord(at, key, word);
  char* end = nullptr;
  errno = 0;
  long value = strtol(word, &end, 10);
  if (end == word || *end != '\0')
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error: %s line %d: %s needs an integer, not %s", at.path,
            at.line, key, word);
  if (errno == ERANGE || value < low || value > high)
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error: %s line %d: %s %s is not between %ld and %ld", at.path,
            at.line, key, word, low, high);
  return value;
}

const char* GCgetName(const char* key) {
  KeyLine at = openAtKey(key);
  valueWord(at, key, StringBuffer);
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
    GCfatal(GC_MOD_INTERFACE, 1, "System source file error: %s: the path of %s is too long", sysrc, key);
  memmove(StringBuffer + dirLength, StringBuffer, valueLength + 1);
  memcpy(StringBuffer, sysrc, dirLength);
  return StringBuffer;
}
