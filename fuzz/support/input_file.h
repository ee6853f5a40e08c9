// What the fuzz targets share around one input: their set-up once, and the
// input written as the file the reader under test opens.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

// A fresh scratch directory for a target's files.
inline std::string FZscratchDir() {
  char dir[] = "/tmp/corvid-fuzz-XXXXXX";
  if (!mkdtemp(dir)) abort();
  return dir;
}

// Runs `setUp` before the first input only.
template <class F>
void FZsetUpOnce(F setUp) {
  static const bool done = (setUp(), true);
  (void)done;
}

inline void FZwriteInput(const std::string& path, const uint8_t* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) abort();
  if (size && fwrite(data, 1, size, f) != size) abort();
  fclose(f);
}
