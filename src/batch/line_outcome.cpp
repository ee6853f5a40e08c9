#include "batch/line_outcome.h"

#include "common/message.h"

namespace {
bool failed = false;

void watch(int, char severity, const char*) {
  if (severity == 'E' || severity == 'W') failed = true;
}
}  // namespace

void BAwatchMessages() { GCsetDisplayHook(watch); }
void BAstartLine() { failed = false; }
bool BAlineFailed() { return failed; }
