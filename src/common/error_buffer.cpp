#include "common/error_buffer.h"

#include <cstdio>

namespace {
int depth = 0;
char buffer[1 << 16];
}  // namespace

GCbufferedErrors::GCbufferedErrors() {
  if (depth++ == 0) {
    fflush(stderr);
    setvbuf(stderr, buffer, _IOFBF, sizeof buffer);
  }
}

GCbufferedErrors::~GCbufferedErrors() {
  if (--depth == 0) {
    fflush(stderr);
    setvbuf(stderr, nullptr, _IONBF, 0);
  }
}
