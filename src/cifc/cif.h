// CIF reader: turns a Caltech Intermediate Form file into the layout database.
#pragma once
#include <cstddef>
#include <cstdio>

#include "common/layout.h"

// Reader state visible to the rest of the program.
extern FILE* cifin;       // the file being read; closed by CIFparse
extern int linenr;        // current line, for error messages
extern long ACsymb;       // layer slot that geometry goes to, -1 before the first layer
extern long ACmaxSymb;    // layer slots opened in the current cell minus one
extern _instance* ACinst; // instance under construction by the current call
extern long ACinstNo;     // number of the next instance
extern short TopInstance; // 1 inside a definition
extern long Ynum;         // numbers collected for the current wire, polygon or call
extern int AC_initial_halfscale_error;  // boxes seen off the quarter grid since start-up

inline constexpr int AC_MAX_NUMBERS = 1024;  // numbers per wire or polygon
inline constexpr int AC_TOKEN_MAX = 99;      // characters per word

// Empties the layout database before a new file is read.
void ACinit();
// Parses `cifin` to the end command or end of file and closes it: 0 success, 1 error.
int CIFparse();
// The same over a buffer in memory (no file involved).
int ACparseBuffer(const char* data, size_t length);
// Writes "error on line ..." to stderr and reports "CIF error: ..." (module 2, 'E').
void ciferror(const char* message);

// Layer names: slot of the current cell named `name` made current (true), the technology
// layer number of `name` (-1 when unknown), the technology name of layer number n ("" if none).
bool LayerExist(const char* name);
int FindLayer(const char* name);
const char* AClayerName(long n);

// The one reading of a CIF file into the emptied layout database, shared by
// every load: ACinit, "Parsing CIF ....." (reported as `module`), the parse of
// `in` (closed after; null: "Cann't open the file <path>"), the dialog taken
// down, and "CIF file format error" on failure. True when the file was read.
bool ACreadCif(FILE* in, const char* path, int module);

// The reader ends the program in a few cases (unknown layer: status 0, name too long:
// status 1). Tests and the fuzzer may divert that exit; the hook must not return.
using ACexitFn = void (*)(int status);
extern ACexitFn ACexitHook;
[[noreturn]] void ACexit(int status);

// Resets every reader variable (module reset for tests).
void ACreset();
