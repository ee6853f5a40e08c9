// Progress counters rewrite themselves on the error stream once per tile or
// net; on the unbuffered stream each rewrite is a system call of its own,
// which costs more than building the tile. While a GCbufferedErrors lives the
// error stream is fully buffered (the bytes and their order are unchanged);
// it is flushed and made unbuffered again when the outermost one ends, and
// every message flushes it as before.
#pragma once

class GCbufferedErrors {
 public:
  GCbufferedErrors();
  ~GCbufferedErrors();
  GCbufferedErrors(const GCbufferedErrors&) = delete;
  GCbufferedErrors& operator=(const GCbufferedErrors&) = delete;
};
