// Graph back end driver: sweeps in x and y (the y rows continue the x row
// numbers), then the phases of both directions and the output.
#include "squeeze/sq_resize.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/message.h"
#include "compact/enclosure_rows.h"
#include "compact/device_rows.h"
#include "compact/lp_backend.h"
#include "compact/process_options.h"
#include "compact/sweep.h"
#include "compact/symmetry_lists.h"
#include "compact/symmetry_rows.h"
#include "common/run_program.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_hooks.h"
#include "compact/process_options.h"
#include "squeeze/sq_phases.h"

namespace {

void at(const char* text) {
  printf("%s", text);
  GCrunDate();
  printf("\n");
}

void emptyPins(PIN_LIST*& pins) {
  if (!pins) pins = new PIN_LIST;
  pins->head = nullptr;
}


bool farRowsFailed = false;
// Rounds of adding the far rows a result breaks before every row is stated.
constexpr int kFarRowRounds = 8;

// Where the solved cells put a side: the cell of column c is (c - 1) / 2,
// odd columns are left (bottom) lines.
long solvedSide(const SQCELL_item* cells, int ncells, const _edge* e, bool xDirection) {
  const int k = (e->sub - 1) / 2;
  if (k < 0 || k >= ncells) return 0;
  const SQCELL_item& c = cells[k];
  const bool low = e->sub % 2 == 1;
  return xDirection ? (low ? c.corner.x1 : c.corner.x2) : (low ? c.corner.y1 : c.corner.y2);
}

bool storeHasSymmetryRows(_adjacency_list** eq, int columns) {
  std::vector<int> weight(static_cast<size_t>(mps_column_num) + 1, 0);
  for (int k = 0; k < columns; ++k)
    for (const _equation_item* t = eq[k]->head; t; t = t->next)
      if (t->rank >= 0 && t->rank <= mps_column_num && (weight[static_cast<size_t>(t->rank)] += std::abs(t->coeff)) > 2)
        return true;
  return false;
}

}  // namespace

bool SQstagesPresent(bool symmetryRows) {
  const SQmissing* missing = SQmissingStage(symmetryRows);
  if (!missing) return true;
  fflush(stdout);
  GCmessage(GC_MOD_COMMON, 'E', "Resize stopped: %s is not in this build yet (%s)", missing->stage, missing->avoid);
  return false;
}

bool SQhasSymmetryRows() {
  return storeHasSymmetryRows(equat_bucket, SWcolumns(1)) || storeHasSymmetryRows(equat_bucket_y, SWcolumns(0));
}

bool SQfarRowsFailed() { return farRowsFailed; }

bool SQ_resize(sweep_list& xq, _adjacency_list**& xeq, sweep_list& yq, _adjacency_list**& yeq, int /*sym*/) {
  SQreset();
  farRowsFailed = false;
  if (!SQstagesPresent(false)) return false;
  emptyPins(OUTPUT_PINS);
  emptyPins(INPUT_PINS);
  mps_column_num = 1;
  X_direction = 1;
  _rhs_list rhsX, rhsY;
  _rhs_list* rx = &rhsX;
  _rhs_list* ry = &rhsY;

  at("\n^^^ SWEEP:  Sweep of X direction starts at\n     ");
  xq.sweep(xeq, &rx);
  SWaddDeviceRows(1, rx);
  SWaddEnclosureRows(1, rx);
  at("\n^^^ SWEEP:  Sweep of X direction ends at\n     ");
  PHASEII = 1;
  // Declared pairs add axis variables and rows; the stores may move.
  if (Bound_Box) user_defined_sym_constraint_generate(xeq, &rx, 1);
  X_direction = 0;
  at("\n^^^ SWEEP:  Sweep of Y direction starts at\n     ");
  yq.sweep(yeq, &ry);
  SWaddDeviceRows(0, ry);
  SWaddEnclosureRows(0, ry);
  at("\n^^^ SWEEP:  Sweep of Y direction ends at\n     ");
  if (Bound_Box) user_defined_sym_constraint_generate(yeq, &ry, 2);
  at("SYM: symmetry equations are generated at\n     ");
  // The stores are searched for symmetry rows only when a missing stage
  // depends on them.
  const bool rowsMatter = SQmissingStage(true) != SQmissingStage(false);
  if (!SQstagesPresent(rowsMatter && SQhasSymmetryRows())) {
    SWfreeRows(&rhsX);
    SWfreeRows(&rhsY);
    return false;
  }

  // The rows the result breaks (far rows left out of the sweep, and shapes
  // the input kept apart that it brings together) are added and both
  // directions solved again, until it breaks none.
  for (int round = 1;; ++round) {
    SQmain_graph(xeq, rx, LEFT_RIGHT);
    at("^^^ GRAPH: graph for X direction ends at\n     ");
    SQmain_graph(yeq, ry, TOP_BOTTOM);
    at("^^^ GRAPH: graph for Y direction ends at\n     ");
    if (TRANSISTOR_SIZE_CHECK && SQhooks.synthesisNetlist) SQhooks.synthesisNetlist();
    at("^^^ SYNTHESIS: Synthesis (all) is done at\n     ");
    SQmain_resize(xeq, rx, LEFT_RIGHT);
    at("^^^ GRAPH: Solving Graph of X direction done at\n     ");
    SQmain_resize(yeq, ry, TOP_BOTTOM);
    at("^^^ GRAPH: Solving Graph of Y direction done at\n     ");
    if (const int errors = SQhooks.synthesisCheck ? SQhooks.synthesisCheck() : 0) {
      printf("SQtran_check: Total Error Counts = %i\n", errors);
      exit(0);
    }
    SQmain_solve(xeq, rx, LEFT_RIGHT);
    at("^^^ GRAPH: Solving Graph of X direction done at\n     ");
    SQmain_solve(yeq, ry, TOP_BOTTOM);
    at("^^^ GRAPH: Solving Graph of Y direction done at\n     ");
    auto atX = [](const _edge* e) { return solvedSide(SQcell_LR, SQcell_size_LR, e, true); };
    auto atY = [](const _edge* e) { return solvedSide(SQcell_TB, SQcell_size_TB, e, false); };
    const long broken = SWleaveFarRows ? xq.farRowsHold(atX, xeq, &rx) + yq.farRowsHold(atY, yeq, &ry) : 0;
    const long met = SWnewNeighbourRows(xq, atX, atY, xeq, &rx, yeq, &ry);
    if (broken == 0 && met == 0) break;
    if (round == kFarRowRounds) {
      if (SWleaveFarRows) {
        printf("\nSQ: The result still comes closer than a spacing rule to far shapes the sweep left out: "
               "compacting again with every row\n");
        farRowsFailed = true;
        SWfreeRows(&rhsX);
        SWfreeRows(&rhsY);
        return false;
      }
      printf("\nSQ: Warning: after %i rounds the result still brings shapes the input kept apart closer "
             "than a spacing rule\n", round);
      break;
    }
    if (broken)
      printf("\nSQ: Spacing rows left out by the sweep that the result breaks: %li; solving again with them\n", broken);
    if (met)
      printf("\nSQ: Shapes the input kept apart that the result brings closer than a spacing rule: %li; "
             "solving again with rows between them\n", met);
    SQreset();
  }
  SQmain_output(TOP_BOTTOM);
  SWfreeRows(&rhsX);
  SWfreeRows(&rhsY);
  return true;
}
