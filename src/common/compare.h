// Coordinate comparisons with the fixed tolerance of 10 internal units.
#pragma once

inline constexpr long GC_TOLERANCE = 10;
inline bool GCequal(long a, long b) { return (a > b ? a - b : b - a) < GC_TOLERANCE; }
inline bool GCgreat(long a, long b) { return a - b > GC_TOLERANCE; }
inline bool GCsmall(long a, long b) { return b - a > GC_TOLERANCE; }
