// Leftmost and rightmost feasible positions of every line, their agreement on
// the width, and the placement chosen by PROCESS_INCLUDE_WLM.
#include <cstdio>
#include <initializer_list>
#include <cstdlib>

#include "squeeze/sq_graph.h"
#include "squeeze/sq_wirelength.h"
#include "squeeze/sq_hooks.h"
#include "squeeze/sq_longest_path.h"
#include "compact/process_options.h"

namespace {

// Step zero: a left pass with every wave and relaxation logged, so that a
// positive cycle that ends the program leaves its log behind.
void positiveCycleTest(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs) {
  const char* log = resize_direction == TOP_BOTTOM ? "resize_report/bf_tb.log" : "resize_report/bf_lr.log";
  flog = fopen(log, "w");
  SHOW_DETAIL = SHOW_WAVEFRONT = 1;
  printf("SQboudnbox: Step zero - testing the positive cycle\n");
  SQbf_main(cells, arcs, ncells, narcs, 0);
  if (flog) fclose(flog);
  flog = nullptr;
  remove(log);
  SHOW_DETAIL = SHOW_WAVEFRONT = 0;
}

}  // namespace

long SQboundbox(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs, int step) {
  static int boxes = 0;
  SQpiecesEpoch = boxes++;
  if (step == 1) positiveCycleTest(cells, arcs, ncells, narcs);
  printf("SQboundbox: Step two - minimum longest path (left) starts\n");
  const long min = SQbf_main(cells, arcs, ncells, narcs, 0);
  printf("SQboundbox: Step three - maximum longest path (right) starts\n");
  const long max = SQbf_main(cells, arcs, ncells, narcs, 1);
  SQpiecesEpoch = -1;
  SQbf_release();  // the dumps and checks between bound boxes need the memory more
  if (min != -max) {
    SQerrmessage("min_longest_path is not equal to max_longest_path", "SQboundbox");
    printf("min_longest_path (%li), max_longest_path (%li)\n", min, max);
    SQprint_datastructure("resize_report/sq_struct_e0.dat", cells, ncells, arcs, narcs);
    exit(0);
  }
  const int all = ncells + SQsymcell_size;
  for (int k = 0; k < all; ++k)
    for (SQLINE_item* l : {cells[k].left, cells[k].right})
      if (l) l->max_loc += min;

  enum { kKeep, kMin, kMax, kAverage, kWirelength } choice = kKeep;
  switch (PROCESS_INCLUDE_WLM) {
    case 1:
      printf("SQboundbox: Step four - use minimum longest path (left) as result\n");
      choice = kMin;
      break;
    case 2:
      printf("SQboundbox: Step three - use maximum longest path (right) as result\n");
      choice = kMax;
      break;
    case 3:
      printf("SQboundbox: Step three - use average (min+max / 2) as the result\n");
      choice = kAverage;
      break;
    case 4:
      printf("SQboundbox: Step three - use wire lenght minimization as the result\n");
      printf("SQboundbox: Step five - Exhausively find the minimum distance from right line to left line for each box\n");
      choice = SQwirelengthminimization(cells, arcs, ncells, narcs) == 4
                   ? kWirelength
                   : kMin;
      break;
    default:
      break;
  }
  if (choice != kKeep)
    for (int k = 0; k < ncells; ++k)
      for (SQLINE_item* l : {cells[k].left, cells[k].right}) {
        if (!l) continue;
        switch (choice) {
          case kMin: l->loc = l->min_loc; break;
          case kMax: l->loc = l->max_loc; break;
          case kAverage: l->loc = (l->min_loc + l->max_loc) / 2; break;
          case kWirelength: l->loc = l->wlm_loc; break;
          default: break;
        }
      }
  return min;
}
