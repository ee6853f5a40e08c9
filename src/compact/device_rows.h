// Rows that keep every transistor a transistor. The sweep's rules keep the
// layers apart or inside each other, but nothing there ties the gate tile of
// the active plane to the gate-layer tile over it, or keeps a select or well
// over a gate; solved alone, the poly could slide off its gate. These rows
// hold each such tile's sides to the gate tile's: equal where they coincide
// in the layout, outside them (>= 0) where the tile is larger. A transistor
// asked for no new size keeps its gate tile's extents (its W and L) exactly.
#pragma once

#include "compact/sweep.h"

// Adds the rows of direction `xDirection` (1 x, 0 y) for every transistor to
// that direction's store and to `rhs`, after its sweep.
void SWaddDeviceRows(int xDirection, _rhs_list* rhs);
