// Integer form of an instance transformation whose steps are all exact
// (translations, mirrors, quarter turns): x' = a x + b y + tx, y' = c x + d y + ty.
// Gives the same points as applying the steps one by one, only faster.
#pragma once
#include "common/layout.h"

struct GCaffine {
  long a, b, c, d, tx, ty;
  // False when a step needs per-point truncation (a rotation off the axes).
  static bool make(const _opcode* steps, int count, GCaffine* out);
  long x(long px, long py) const { return a * px + b * py + tx; }
  long y(long px, long py) const { return c * px + d * py + ty; }
};

// cos and sin of a rotation step's direction; false for the zero vector.
bool GCrotation(long a, long b, double* c, double* s);
