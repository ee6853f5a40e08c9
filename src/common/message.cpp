#include "common/message.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/switches.h"

namespace {
GCdisplayHook displayHook = nullptr;
char lastLine[GC_MESSAGE_MAX];
char lastSeverity = 0;

const char* prefixOf(char severity) {
  switch (severity) {
    case 'F': return "Fatal: ";
    case 'E': return "Error: ";
    case 'W': return "Warning: ";
    case 'M': return "Message: ";
    default: return "";
  }
}

void compose(char severity, const char* format, va_list args, char* line) {
  size_t used = static_cast<size_t>(snprintf(line, GC_MESSAGE_MAX, "%s", prefixOf(severity)));
  int n = vsnprintf(line + used, GC_MESSAGE_MAX - used, format, args);
  if (n > 0) used += static_cast<size_t>(n);
  if (used > GC_MESSAGE_MAX - 2) used = GC_MESSAGE_MAX - 2;
  line[used] = '.';
  line[used + 1] = '\0';
}

void deliver(int module, char severity, const char* line) {
  memcpy(lastLine, line, strlen(line) + 1);
  lastSeverity = severity;
  GCprintout(module, severity, line);
  // A fatal line's display is the error stream itself: it appears there once.
  if (!Silently && severity != 'F') {
    fprintf(stderr, "%s\n", line);
    fflush(stderr);
  }
}
}  // namespace

void GCsetDisplayHook(GCdisplayHook hook) { displayHook = hook; }

void GCprintout(int module, char severity, const char* text) {
  if (severity == 'F') {
    fprintf(stderr, "%s\n", text);
    fflush(stderr);
    return;
  }
  if (displayHook) displayHook(module, severity, text);
}

void GCmessage(int module, char severity, const char* format, ...) {
  char line[GC_MESSAGE_MAX];
  va_list args;
  va_start(args, format);
  compose(severity, format, args, line);
  va_end(args);
  deliver(module, severity, line);
}

void GCfatal(int module, int status, const char* format, ...) {
  char line[GC_MESSAGE_MAX];
  va_list args;
  va_start(args, format);
  compose('F', format, args, line);
  va_end(args);
  deliver(module, 'F', line);
  fflush(stdout);
  exit(status);
}

const char* GClastMessage() { return lastLine; }
char GClastSeverity() { return lastSeverity; }
void GCresetMessages() {
  lastLine[0] = '\0';
  lastSeverity = 0;
}
