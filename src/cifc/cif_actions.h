// Semantic actions of the CIF grammar. Numbers arrive as written; each action
// converts them to internal units. An action returns false after reporting an
// input the database cannot hold (the parse then fails).
#pragma once

extern long Ypoint[];  // numbers of the current wire or polygon, times SCALE

// Recomputes the conversion factors from CIF_RATIO_A/B, CIF_FACTOR and LAMBDA_T1.
void ACsetFactors();
// Clears the per-file reader state (start of every parse).
void ACbeginRead();
// Releases a call left unfinished by a syntax error.
void ACabandonCall();

bool ACrdDS(long n, long a, long b);
void ACrdDF();
bool ACrdLayer(const char* name);
bool ACrdBox(long length, long width, long x, long y);
bool ACrdWire();
bool ACrdPoly();
bool ACaddNumber(long v);  // one more wire/polygon number
bool ACrdCName(long n, const char* name);
bool ACrdLabel(long n, const char* text, long x, long y, const char* layer);
bool ACcallTran(long x, long y);
bool ACcallRot(long a, long b);
bool ACcallMir(int axis);  // 'X' or 'Y'
void ACcallName(long n, short topInstance);
