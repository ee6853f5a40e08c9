// Hand-written CIF scanner: longest match over the token table, earlier row
// winning at equal length, with the line-start-only keywords.
#pragma once
#include <cstddef>

enum ACtoken {
  AC_EOF = 0,
  AC_COMMENT,
  AC_DS,
  AC_DF,
  AC_CALL,
  AC_LAYER,
  AC_BOX,
  AC_WIRE,
  AC_POLYGON,
  AC_T,
  AC_R,
  AC_MX,
  AC_MY,
  AC_END,
  AC_WORD,
  AC_NUMBER,
  AC_BLANK,
  AC_SEMI
};

// Numbers beyond this magnitude are refused by the parser (coordinates stay in 32 bits).
inline constexpr long AC_NUMBER_LIMIT = 2147483647L;

struct ACscanner {
  const char* data = nullptr;
  size_t length = 0;
  size_t pos = 0;
  int* line = nullptr;  // advanced on every newline

  // The current token.
  ACtoken token = AC_EOF;
  size_t start = 0;
  size_t size = 0;
  long value = 0;          // NUMBER value (saturated)
  bool overflow = false;   // NUMBER beyond AC_NUMBER_LIMIT

  void reset(const char* d, size_t n, int* lineCounter) {
    data = d;
    length = n;
    pos = 0;
    line = lineCounter;
    token = AC_EOF;
    start = size = 0;
    value = 0;
    overflow = false;
  }
  ACtoken next();
  // Token text, at most AC_TOKEN_MAX characters, NUL-terminated into `out` (100 bytes).
  void text(char* out) const;
};
