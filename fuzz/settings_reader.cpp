// Fuzzes the settings file reader (the file named by SYSRC): each lookup of a
// number, a name or a path either gives a value or ends with the fatal
// message that names the key, and never reads or writes out of bounds.
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/message.h"
#include "common/settings.h"
#include "common/switches.h"
#include "support/exit_trap.h"
#include "support/input_file.h"

namespace {
std::string settingsPath;

void setUp() {
  Silently = 1;
  const std::string dir = FZscratchDir();
  settingsPath = dir + "/corvidrc";
  setenv("SYSRC", settingsPath.c_str(), 1);
}

// A lookup that ended in exit must have said why, with status 1.
void expectFatalOrValue(bool returned) {
  if (returned) return;
  if (fuzz::lastExitStatus != 1 || GClastSeverity() != 'F') __builtin_trap();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FZsetUpOnce(setUp);
  FZwriteInput(settingsPath, data, size);
  GCresetMessages();
  long scale = 0;
  bool returned = FZcatchExit([&] { scale = GCgetValueIn("GlobalScale", 1, 26843545); });
  expectFatalOrValue(returned);
  if (returned && (scale < 1 || scale > 26843545)) __builtin_trap();
  expectFatalOrValue(FZcatchExit([] { GCgetValue("Step"); }));
  expectFatalOrValue(FZcatchExit([] {
    if (strlen(GCgetName("MenuFile")) >= sizeof StringBuffer) __builtin_trap();
  }));
  expectFatalOrValue(FZcatchExit([] {
    if (strlen(GCgetPath("TechFile")) >= sizeof StringBuffer) __builtin_trap();
  }));
  return 0;
}
