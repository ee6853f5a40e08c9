// Starting tiles for the searches of plane building. Corner stitching walks
// from its hint tile, and a tall space strip between columns of an array has
// only its corner stitches: every crossing lands at the top or bottom of the
// next column. Rectangles come in list order, not in an order that suits the
// walk, so building keeps, per plane, a coarse grid of recently touched tiles
// and starts each search from one near its target, preferring a tile over the
// target's x (the same column). Where a search starts never changes what it
// finds.
#pragma once
#include "cs/cs.h"

// Grids over `frame` for every plane slot, sized for about `rects` rectangles.
void CShintsBegin(const _box& frame, long rects);
// Drops the grids and the marks they left on tiles.
void CShintsEnd();
// A tile of plane `plane` near (x, y), or `fallback`: a nearby tile whose x
// range holds x if there is one (`fallback` too qualifies), else the nearest.
_Dtile* CShint(int plane, long x, long y, _Dtile* fallback);
// Remembers `tile` (of plane `plane`) as the tile near (x, y).
void CShintRecord(int plane, long x, long y, _Dtile* tile);
// A tile is being freed: no grid may keep it.
void CShintForget(_Dtile* gone);
// Index of the plane whose layer number is `number`, or -1.
int CSplaneIndex(int number);
