// Recursive-descent form of the CIF grammar. Every command is LL(1), so the
// first token that cannot continue a command is the one an LALR parser of the
// same grammar would reject; the first error ends the parse.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "cifc/cif.h"
#include "cifc/cif_actions.h"
#include "cifc/cif_scanner.h"
#include "common/cputime.h"
#include "common/frontend.h"
#include "common/message.h"

FILE* cifin = nullptr;
int linenr = 1;

namespace {
ACscanner scan;
char tokenText[AC_TOKEN_MAX + 1];

struct SyntaxError {};
// Thrown to unwind the parse after the error has been reported.
[[noreturn]] void fail(const char* message) {
  ciferror(message);
  throw SyntaxError{};
}

ACtoken advance() { return scan.next(); }

void expect(ACtoken t) {
  if (scan.token != t) fail("parse error");
  advance();
}

long number() {
  if (scan.token != AC_NUMBER) fail("parse error");
  if (scan.overflow) fail("number out of range");
  long v = scan.value;
  advance();
  return v;
}

long blankNumber() {
  expect(AC_BLANK);
  return number();
}

// A WORD's text, refused beyond the token buffer.
void word(char* out) {
  if (scan.token != AC_WORD) fail("parse error");
  if (scan.size > static_cast<size_t>(AC_TOKEN_MAX)) fail("word too long");
  scan.text(out);
  advance();
}

void ok(bool accepted) {
  if (!accepted) throw SyntaxError{};
}

// extension: NUMBER BLANK (NUMBER | WORD [BLANK NUMBER BLANK NUMBER [BLANK WORD]]) SEMI
void extension() {
  long n = number();
  expect(AC_BLANK);
  if (scan.token == AC_NUMBER) {
    number();
    expect(AC_SEMI);
    return;
  }
  char name[AC_TOKEN_MAX + 1];
  word(name);
  if (scan.token == AC_SEMI) {
    advance();
    ACrdCName(n, name);
    return;
  }
  long x = blankNumber();
  long y = blankNumber();
  if (scan.token == AC_SEMI) {
    advance();
    ok(ACrdLabel(n, name, x, y, nullptr));
    return;
  }
  expect(AC_BLANK);
  char layer[AC_TOKEN_MAX + 1];
  word(layer);
  expect(AC_SEMI);
  ok(ACrdLabel(n, name, x, y, layer));
}

void layer() {
  advance();
  expect(AC_BLANK);
  char name[AC_TOKEN_MAX + 1];
  word(name);
  expect(AC_SEMI);
  ACrdLayer(name);
}

void box() {
  advance();
  long v[4];
  for (long& x : v) x = blankNumber();
  expect(AC_SEMI);
  ok(ACrdBox(v[0], v[1], v[2], v[3]));
}

// values: one or more of (BLANK NUMBER); a number beyond the limit is the error token.
void values() {
  do {
    expect(AC_BLANK);
    if (scan.token == AC_NUMBER && !scan.overflow) ok(ACaddNumber(scan.value));
    number();
  } while (scan.token == AC_BLANK);
}

void wire() {
  advance();
  values();
  expect(AC_SEMI);
  ok(ACrdWire());
}

void polygon() {
  advance();
  values();
  expect(AC_SEMI);
  ok(ACrdPoly());
}

void definitionStart() {
  advance();
  long n = blankNumber();
  long a = 1, b = 1;
  bool scaled = false;
  if (scan.token == AC_BLANK) {
    advance();
    a = number();
    b = blankNumber();
    scaled = true;
  }
  expect(AC_SEMI);
  if (scaled && b == 0) fail("zero scale denominator");
  ok(ACrdDS(n, a, b));
}

void call() {
  advance();
  long n = blankNumber();
  while (scan.token == AC_BLANK) {
    advance();
    switch (scan.token) {
      case AC_T: {
        advance();
        long x = blankNumber();
        long y = blankNumber();
        ok(ACcallTran(x, y));
        break;
      }
      case AC_R: {
        advance();
        long a = blankNumber();
        long b = blankNumber();
        ok(ACcallRot(a, b));
        break;
      }
      case AC_MX:
        advance();
        ok(ACcallMir('X'));
        break;
      case AC_MY:
        advance();
        ok(ACcallMir('Y'));
        break;
      default: fail("parse error");
    }
  }
  expect(AC_SEMI);
  ACcallName(n, TopInstance);
}

// Parses commands until the end command (true) or the end of the input (false).
bool commands(long& count) {
  advance();
  for (;;) {
    switch (scan.token) {
      case AC_EOF:
        if (count == 0) fail("parse error");
        return false;
      case AC_BLANK:
        advance();
        switch (scan.token) {
          case AC_COMMENT: advance(); expect(AC_SEMI); break;
          case AC_BOX: box(); break;
          case AC_WIRE: wire(); break;
          case AC_POLYGON: polygon(); break;
          default: fail("parse error");
        }
        break;
      case AC_COMMENT: advance(); expect(AC_SEMI); break;
      case AC_NUMBER: extension(); break;
      case AC_LAYER: layer(); break;
      case AC_BOX: box(); break;
      case AC_WIRE: wire(); break;
      case AC_POLYGON: polygon(); break;
      case AC_DS: definitionStart(); break;
      case AC_DF: advance(); expect(AC_SEMI); ACrdDF(); break;
      case AC_CALL: call(); break;
      case AC_END:
        // END | END SEMI | END BLANK SEMI: a blank after END belongs to the end command.
        advance();
        if (scan.token == AC_SEMI) {
        } else if (scan.token == AC_BLANK) {
          advance();
          if (scan.token != AC_SEMI) fail("parse error");
        }
        return true;
      default: fail("parse error");
    }
    ++count;
  }
}
}  // namespace

void ciferror(const char* message) {
  scan.text(tokenText);
  fprintf(stderr, "error on line %d %s: %s\n", linenr, tokenText, message);
  fflush(stderr);
  GCmessage(GC_MOD_CIF, 'E', "CIF error: %s", tokenText);
}

int ACparseBuffer(const char* data, size_t length) {
  linenr = 1;
  scan.reset(data, length, &linenr);
  ACbeginRead();
  int status = 0;
  try {
    long count = 0;
    commands(count);
  } catch (const SyntaxError&) {
    status = 1;
  }
  ACabandonCall();
  fflush(stdout);
  scan.reset(nullptr, 0, &linenr);
  return status;
}

int CIFparse() {
  if (!cifin) return 1;
  std::vector<char> text;
  struct stat st;
  if (fstat(fileno(cifin), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
    text.reserve(static_cast<size_t>(st.st_size) + 1);
  char chunk[16384];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, cifin)) > 0) text.insert(text.end(), chunk, chunk + got);
  fclose(cifin);
  cifin = nullptr;
  return ACparseBuffer(text.data(), text.size());
}

bool ACreadCif(FILE* in, const char* path, int module) {
  ACinit();
  GCmessage(module, 'P', "Parsing CIF .....");
  GCcpuTime(0, "CIF");
  bool read = false;
  if (in) {
    cifin = in;
    read = CIFparse() == 0;
  } else {
    GCmessage(module, 'E', "Cann't open the file %s", path);
  }
  DIpopdownDialog();
  if (!read) {
    GCmessage(module, 'L', "CIF file format error");
    return false;
  }
  GCcpuTime(1, "CIF");
  return true;
}
