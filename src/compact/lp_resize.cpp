// One direction of the LP back end: the sweep, phase one (extent), phase two
// (widths within the extent, with the symmetry rows), the reports moved away.
#include <ctime>
#include <string>

#include "common/run_program.h"
#include "compact/enclosure_rows.h"
#include "compact/device_rows.h"
#include "compact/lp_backend.h"
#include "compact/symmetry_lists.h"

namespace {

// mv of a phase's two files into resize_report/ (a missing directory makes
// mv complain and the files stay where they are).
void moveReports(int phase) {
  const char* direction = X_direction ? "LR" : "TB";
  std::string base = std::string("resize_report/LPmps_") + direction + "_" + std::to_string(phase) + ".file";
  std::string report = base + ".rpt";
  const char* moveReport[] = {"mv", "mps.file.rpt", report.c_str(), nullptr};
  const char* moveProblem[] = {"mv", "mps.file", base.c_str(), nullptr};
  GCrunProgram(moveReport);
  GCrunProgram(moveProblem);
}

}  // namespace

bool D_resize(sweep_list& queue, _adjacency_list**& eq) {
  delete OUTPUT_PINS;
  delete INPUT_PINS;
  OUTPUT_PINS = new PIN_LIST;
  INPUT_PINS = new PIN_LIST;
  mps_column_num = 1;
  _rhs_list rhs;
  _rhs_list* rows = &rhs;

  timespec before, after;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
  queue.sweep(eq, &rows);
  SWaddDeviceRows(X_direction, &rhs);
  SWaddEnclosureRows(X_direction, &rhs);
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
  LPtimes.sweep += static_cast<double>(after.tv_sec - before.tv_sec) + static_cast<double>(after.tv_nsec - before.tv_nsec) * 1e-9;

  PHASEII = 0;
  long bound = 0;
  bool solved = mps_gen(eq, &rhs, 0, &bound);
  if (solved) {
    moveReports(1);
    PHASEII = 1;
    // Axes found by the detection of this run (declared pairs are the graph
    // back end's); the rows may add axis variables, so eq is read afresh.
    if (!Bound_Box && all_sym_axes) all_sym_axes->sym_const_gen(&rows);
    long unused;
    solved = mps_gen(eq, &rhs, bound, &unused);
    if (solved) moveReports(2);
  }
  SWfreeRows(&rhs);
  return solved;
}
