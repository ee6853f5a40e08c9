// Retracing one extracted net for display or fault extraction.
#pragma once

#include "cs/cs.h"

// Traces the net of `tile` again (with the negated net number, so every tile
// is visited once), restores the signs, and returns the net's tiles; the
// caller owns the list (FreeList). The bounding box of the tiles is merged
// into *x1, *y1, *x2, *y2 (min / max against the incoming values).
_Dtilelist* DExFindNet(_Dtile* tile, long* x1, long* y1, long* x2, long* y2);
