// The order in which the one-layer fault commands visit nets: the tiles of the
// plane's layer inside a window, as the window enumeration lists them.
#pragma once

#include <functional>

#include "cs/cs.h"

// Calls `net` once per tile of the plane's layer in the window that belongs to
// a net and is not yet processed (the callback marks the net's tiles
// processed, so each net is met once). With `progress`, prints the "Processing
// net" prompt and the net counter unless silent.
void DFwalkWindowNets(long x1, long y1, long x2, long y2, int plane, bool progress,
                      const std::function<void(_Dtile*)>& net);
