// Parallel arcs between the same two lines: only the heavier one constrains.
#include <cstdio>
#include <initializer_list>

#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"

namespace {

int clearLine(SQLINE_item* line) {
  int pairs = 0;
  for (SQARC_item* a1 = line->ori_next; a1; a1 = a1->ori_next)
    for (SQARC_item* a2 = a1->ori_next; a2; a2 = a2->ori_next) {
      if (a1->ter != a2->ter) continue;
      if (a1->sym && a2->sym) {
        printf("both arc1 and arc2 are part of symmetry constraints (just messages)\n");
      } else if (a1->sym) {
        a2->occupied = 99;
      } else if (a2->sym || a1->weight <= a2->weight) {
        a1->occupied = 99;
      } else {
        a2->occupied = 99;
      }
      ++pairs;
    }
  for (SQARC_item* a = line->ori_next; a;) {
    SQARC_item* next = a->ori_next;
    if (a->occupied == 99) SQremovearc(a);
    a = next;
  }
  return pairs;
}

}  // namespace

int SQbf_clear_redundantarc(SQCELL_item* cells, SQARC_item* /*arcs*/, int ncells, int /*narcs*/) {
  int pairs = 0;
  for (int k = 0; k < ncells; ++k)
    for (SQLINE_item* l : {cells[k].left, cells[k].right})
      if (l) pairs += clearLine(l);
  return pairs;
}
