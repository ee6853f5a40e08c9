#include "compact/resizer_stores.h"

#include "compact/sweep.h"
#include "compact/symmetry_detect.h"
#include "compact/symmetry_sets.h"
#include "compact/symmetry_tree.h"

void init_staff() {
  // The sets and the tree point into the sweep's rectangles: drop them first.
  Sets.clean();
  sym_scan_queue.clear();
  SWreset();
  X_direction = 1;
  delete all_sym_axes;
  all_sym_axes = new SYM_AXIS_LIST;
  SYfreeLooseRecords();
}
