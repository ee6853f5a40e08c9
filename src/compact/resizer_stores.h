// The resizer's stores as one unit: the sweep's variables, rows and queues
// (sweep.h) and the symmetry sets, tree and axes (symmetry_*.h).
#pragma once

#include "compact/symmetry_lists.h"

// Resets the stores before a resizer run or a symmetry command scans the
// planes: empty gate sets and symmetry tree, equation stores of one empty
// entry each, X_direction 1, and a new empty all_sym_axes.
void init_staff();
