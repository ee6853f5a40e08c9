// Finding the neighbour of a tile on one side at a given coordinate. A tile's
// side is a chain of neighbours reached from one corner (the top from its
// right end, the left from its bottom, ...), so on a rail with thousands of
// tiles above it, or a tall space strip between columns of an array, a plain
// scan walks most of the chain. After a few plain steps the scan continues
// from a finger instead: the neighbour last found on that side of that tile,
// kept in a small table and trusted only while it still stitches back to the
// tile (a freed tile has no stitches). Where a scan starts never changes what
// it finds.
#pragma once
#include "cs/cs.h"

// The rightmost top neighbour of `t` with x1 < x (x within t's x range).
_Dtile* CStopAt(_Dtile* t, long x);
// The leftmost bottom neighbour of `t` whose right edge is at or beyond x.
_Dtile* CSbottomAt(_Dtile* t, long x);
// The lowest left neighbour of `t` whose top lies above y.
_Dtile* CSleftAt(_Dtile* t, long y);
// The highest right neighbour of `t` whose y1 is at or below y.
_Dtile* CSrightAt(_Dtile* t, long y);
// Fingers off: every scan walks its side from the corner, and carving repairs
// stitches by walking whole sides, as plane building always did. The tests
// build planes both ways and compare them.
extern bool CSplainWalks;
// Forgets every finger (the tiles' memory is going back).
void CSfingersReset();
