// Fuzzes the colour list reader: whatever the file holds, the table keeps at
// most its size of entries, each a known colour name that fits its field.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/colors.h"
#include "common/switches.h"
#include "support/input_file.h"

namespace {
std::string colorPath;

void setUp() {
  Silently = 1;
  const std::string dir = FZscratchDir();
  colorPath = dir + "/colors.txt";
  std::string settings = dir + "/corvidrc";
  FILE* f = fopen(settings.c_str(), "w");
  if (!f) abort();
  fprintf(f, "ColorFile colors.txt\n");
  fclose(f);
  setenv("SYSRC", settings.c_str(), 1);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FZsetUpOnce(setUp);
  FZwriteInput(colorPath, data, size);
  GCresetColors();
  GCcolorInit();
  if (ColorNum < 0 || ColorNum > GC_MAX_COLORS) __builtin_trap();
  for (int i = 0; i < ColorNum; ++i) {
    const _GColor& c = GCworkStation[GCstationId].color[i];
    unsigned long rgb;
    if (!memchr(c.name, '\0', sizeof c.name) || !GClookupColor(c.name, &rgb) || rgb != c.pixel) __builtin_trap();
  }
  return 0;
}
