// Parallel arcs between the same two lines: only the heavier one constrains.
#include <cstdio>
#include <initializer_list>

#include <unordered_map>
#include <vector>

#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"

namespace {

// Arcs of the leaving list grouped by their far line, list order kept; only
// arcs of one group are compared, so a line with many arcs costs no more
// than the sizes of its groups.
std::vector<std::vector<SQARC_item*>> groups;
std::unordered_map<const SQLINE_item*, size_t> groupOf;

int clearLine(SQLINE_item* line) {
  int pairs = 0;
  size_t used = 0;
  groupOf.clear();
  for (SQARC_item* a = line->ori_next; a; a = a->ori_next) {
    auto [it, fresh] = groupOf.emplace(a->ter, used);
    if (fresh) {
      if (groups.size() <= used) groups.emplace_back();
      groups[used++].clear();
    }
    groups[it->second].push_back(a);
  }
  for (size_t g = 0; g < used; ++g)
    for (size_t i = 0; i < groups[g].size(); ++i)
      for (size_t j = i + 1; j < groups[g].size(); ++j) {
      SQARC_item* a1 = groups[g][i];
      SQARC_item* a2 = groups[g][j];
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
