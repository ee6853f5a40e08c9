// Parallel arcs between the same two lines: only the heavier one constrains.
#include <cstdio>
#include <initializer_list>

#include <utility>
#include <vector>

#include "squeeze/sq_arc_lists.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"

namespace {

// Arcs of one leaving list grouped by their far line, list order kept; only
// arcs of one group are compared, so a line with many arcs costs no more
// than the sizes of its groups. A group is found through the far line's
// number and a stamp of the line being cleared.
struct Groups {
  std::vector<std::vector<int>> members;
  std::vector<int> stampOf, groupOf;  // by far line
  std::vector<std::pair<const SQLINE_item*, size_t>> outside;
};

int clearLine(int line, const SQarcLists& lists, Groups& g) {
  size_t used = 0;
  bool parallel = false;
  g.outside.clear();
  lists.forEach(line, false, [&](const SQarcLists::Slot& s) {
    const int id = s.id, far = s.far;
    if (far < 0) {  // a line outside the cells: found by its address
      const SQLINE_item* to = lists.farLine(id, false);
      size_t k = 0;
      while (k < g.outside.size() && g.outside[k].first != to) ++k;
      if (k == g.outside.size()) {
        g.outside.push_back({to, used});
        if (g.members.size() <= used) g.members.emplace_back();
        g.members[used++].clear();
      } else {
        parallel = true;
      }
      g.members[g.outside[k].second].push_back(id);
      return;
    }
    int& seen = g.stampOf[static_cast<size_t>(far)];
    if (seen != line) {
      seen = line;
      g.groupOf[static_cast<size_t>(far)] = static_cast<int>(used);
      if (g.members.size() <= used) g.members.emplace_back();
      g.members[used++].clear();
    } else {
      parallel = true;
    }
    g.members[static_cast<size_t>(g.groupOf[static_cast<size_t>(far)])].push_back(id);
  });
  if (!parallel) return 0;
  int pairs = 0;
  for (size_t k = 0; k < used; ++k) {
    const std::vector<int>& group = g.members[k];
    for (size_t i = 0; i < group.size(); ++i)
      for (size_t j = i + 1; j < group.size(); ++j) {
        SQARC_item* a1 = lists.arcs[static_cast<size_t>(group[i])];
        SQARC_item* a2 = lists.arcs[static_cast<size_t>(group[j])];
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
  }
  SQLINE_item* l = lists.lines[static_cast<size_t>(line)];
  for (SQARC_item* a = l->ori_next; a;) {
    SQARC_item* next = a->ori_next;
    if (a->occupied == 99) SQremovearc(a);
    a = next;
  }
  return pairs;
}

}  // namespace

int SQbf_clear_redundantarc(SQCELL_item* cells, SQARC_item* arcs, int ncells, int /*narcs*/) {
  const SQarcLists& lists = SQreadArcLists(cells, ncells + SQsymcell_size, arcs);
  Groups g;
  g.stampOf.assign(lists.lines.size(), -1);
  g.groupOf.assign(lists.lines.size(), 0);
  int pairs = 0;
  for (int k = 0; k < ncells; ++k)
    for (SQLINE_item* l : {cells[k].left, cells[k].right})
      if (l) pairs += clearLine(l->BMindex, lists, g);
  return pairs;
}
