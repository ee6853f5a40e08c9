#include "cifc/cif_scanner.h"

#include <cstring>

#include "cifc/cif.h"

namespace {
// Character classes, one table lookup per character.
enum : unsigned char {
  C_DIGIT = 1,   // 0-9
  C_UPPER = 2,   // A-Z
  C_LOWER = 4,   // a-z
  C_UNDER = 8,   // _
  C_WORDX = 16,  // - and . (word continuation only)
};
constexpr unsigned char C_IDENT = C_DIGIT | C_UPPER | C_LOWER | C_UNDER;  // keyword tails
constexpr unsigned char C_WORD = C_IDENT | C_WORDX;                       // word tails

struct ClassTable {
  unsigned char c[256] = {};
  constexpr ClassTable() {
    for (int i = '0'; i <= '9'; ++i) c[i] = C_DIGIT;
    for (int i = 'A'; i <= 'Z'; ++i) c[i] = C_UPPER;
    for (int i = 'a'; i <= 'z'; ++i) c[i] = C_LOWER;
    c[static_cast<unsigned char>('_')] = C_UNDER;
    c[static_cast<unsigned char>('-')] = C_WORDX;
    c[static_cast<unsigned char>('.')] = C_WORDX;
  }
};
constexpr ClassTable kClass;

inline unsigned char cls(const char* d, size_t i, size_t n) {
  return i < n ? kClass.c[static_cast<unsigned char>(d[i])] : 0;
}

// Length of the run of characters of class `mask` starting at i.
inline size_t run(const char* d, size_t i, size_t n, unsigned char mask) {
  size_t k = i;
  while (k < n && (kClass.c[static_cast<unsigned char>(d[k])] & mask)) ++k;
  return k - i;
}

// A comment is "(" + rest of the line + any newlines + one further line, up to the last ")".
// Returns its length, 0 when no ")" is reachable.
size_t commentLength(const char* d, size_t at, size_t n) {
  size_t eol = at + 1;
  const void* nl = memchr(d + eol, '\n', n - eol);
  eol = nl ? static_cast<size_t>(static_cast<const char*>(nl) - d) : n;
  size_t k = eol;
  while (k < n && d[k] == '\n') ++k;
  if (k > eol) {
    size_t end = k;
    const void* nl2 = memchr(d + k, '\n', n - k);
    end = nl2 ? static_cast<size_t>(static_cast<const char*>(nl2) - d) : n;
    for (size_t i = end; i > k; --i)
      if (d[i - 1] == ')') return i - at;
  }
  for (size_t i = eol; i > at + 1; --i)
    if (d[i - 1] == ')') return i - at;
  return 0;
}
}  // namespace

ACtoken ACscanner::next() {
  const char* d = data;
  const size_t n = length;
  for (;;) {
    if (pos >= n) {
      start = pos;
      size = 0;
      return token = AC_EOF;
    }
    const size_t at = pos;
    const char c = d[at];
    const unsigned char k = kClass.c[static_cast<unsigned char>(c)];
    start = at;
    if (k & (C_UPPER | C_LOWER) || c == '.') {
      const size_t word = 1 + run(d, at + 1, n, C_WORD);
      const bool lineStart = at == 0 || d[at - 1] == '\n';
      size_t kw = 0;
      ACtoken kind = AC_WORD;
      switch (c) {
        case 'D':
          if (lineStart && at + 1 < n && (d[at + 1] == 'S' || d[at + 1] == 'F')) {
            kw = 2;
            kind = d[at + 1] == 'S' ? AC_DS : AC_DF;
          }
          break;
        case 'C':
          if (lineStart) kw = 1 + run(d, at + 1, n, C_IDENT), kind = AC_CALL;
          break;
        case 'L':
          if (lineStart) kw = 1 + run(d, at + 1, n, C_IDENT), kind = AC_LAYER;
          break;
        case 'B': kw = 1 + run(d, at + 1, n, C_LOWER), kind = AC_BOX; break;
        case 'W': kw = 1 + run(d, at + 1, n, C_LOWER), kind = AC_WIRE; break;
        case 'P': kw = 1 + run(d, at + 1, n, C_LOWER), kind = AC_POLYGON; break;
        case 'T': kw = 1 + run(d, at + 1, n, C_IDENT), kind = AC_T; break;
        case 'R': kw = 1 + run(d, at + 1, n, C_IDENT), kind = AC_R; break;
        case 'E': kw = 1 + run(d, at + 1, n, C_IDENT), kind = AC_END; break;
        case 'M':
          if (at + 1 < n && (d[at + 1] == 'X' || d[at + 1] == 'Y')) {
            kw = 2 + run(d, at + 2, n, C_IDENT);
            kind = d[at + 1] == 'X' ? AC_MX : AC_MY;
          }
          break;
        default: break;
      }
      // Keyword tails are a subset of word tails, so a keyword wins exactly when it is as long.
      if (kw != word) kind = AC_WORD;
      pos = at + word;
      size = word;
      return token = kind;
    }
    if (k & C_DIGIT || ((c == '+' || c == '-') && (cls(d, at + 1, n) & C_DIGIT))) {
      size_t i = at;
      bool negative = false;
      if (c == '+' || c == '-') negative = c == '-', ++i;
      long v = 0;
      bool over = false;
      while (i < n && (kClass.c[static_cast<unsigned char>(d[i])] & C_DIGIT)) {
        if (!over) {
          v = v * 10 + (d[i] - '0');
          if (v > AC_NUMBER_LIMIT) over = true;
        }
        ++i;
      }
      overflow = over;
      value = over ? (negative ? -AC_NUMBER_LIMIT : AC_NUMBER_LIMIT) : (negative ? -v : v);
      pos = i;
      size = i - at;
      return token = AC_NUMBER;
    }
    switch (c) {
      case '\n':
        ++*line;
        ++pos;
        continue;
      case ' ':
      case '\t':
      case ',': {
        size_t i = at + 1;
        while (i < n && (d[i] == ' ' || d[i] == '\t' || d[i] == ',')) ++i;
        pos = i;
        size = i - at;
        return token = AC_BLANK;
      }
      case ';':
        pos = at + 1;
        size = 1;
        return token = AC_SEMI;
      case '(': {
        size_t len = commentLength(d, at, n);
        if (len == 0) break;  // a lone "(" is ignored
        for (size_t i = at; i < at + len; ++i)
          if (d[i] == '\n') ++*line;
        pos = at + len;
        size = len;
        return token = AC_COMMENT;
      }
      default: break;
    }
    ++pos;  // any other character is ignored
  }
}

void ACscanner::text(char* out) const {
  size_t n = size < static_cast<size_t>(AC_TOKEN_MAX) ? size : static_cast<size_t>(AC_TOKEN_MAX);
  if (data && n) memcpy(out, data + start, n);
  out[n] = '\0';
}
