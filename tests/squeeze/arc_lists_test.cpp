// The arc lists read in one sweep must give every line's leaving and
// entering lists exactly as following the links does, whatever the order of
// the arcs in storage: an array part linked in shuffled order, arcs added
// and moved later, removed arcs, and arcs and lines outside the graph.
#include <algorithm>
#include <random>
#include <vector>

#include "squeeze/sq_arc_lists.h"
#include "squeeze_fixture.h"

namespace {

void link(SQARC_item* a, SQLINE_item* ori, SQLINE_item* ter, int rank) {
  a->occupied = 1;
  a->rank = rank;
  a->weight = 40L * rank;
  a->ori = ori;
  a->ter = ter;
  a->ori_next = ori->ori_next;
  ori->ori_next = a;
  a->ter_next = ter->ter_next;
  ter->ter_next = a;
}

// What the sweep's walk must give for one list: arc, far line, rank.
struct Seen {
  const SQARC_item* arc;
  const SQLINE_item* far;
  int rank;
  bool operator==(const Seen&) const = default;
};

}  // namespace

TEST_F(SqueezeTest, ArcListsReadInOneSweepMatchTheLinkedLists) {
  std::mt19937 random(7);
  const int cells = 40, slots = 600;
  SQnewCells(cells);
  std::vector<SQLINE_item*> lines;
  for (int k = 0; k < cells; ++k) lines.insert(lines.end(), {SQcell[k].left, SQcell[k].right});
  auto anyLine = [&] { return lines[random() % lines.size()]; };

  // The array part, linked partly in storage order and partly shuffled.
  SQarc = SQnewArcArray(slots);
  SQarc_size_allocate = slots;
  for (int i = 0; i + 1 < slots; ++i) SQarc[i].list_next = &SQarc[i + 1];
  SQarc_lastinstruct = &SQarc[slots - 1];
  std::vector<int> order(slots);
  for (int i = 0; i < slots; ++i) order[i] = slots - 1 - i;  // head pushes: storage order
  std::shuffle(order.begin() + slots / 2, order.end(), random);
  for (int i : order) link(&SQarc[i], anyLine(), anyLine(), i);
  // Later edits: added arcs, moved ends, removals.
  for (int i = 0; i < 50; ++i) SQaddarc(anyLine(), anyLine(), 80, 1000 + i);
  for (int i = 0; i < 30; ++i) SQupdatearc_ori(&SQarc[random() % slots], anyLine(), 2000 + i);
  for (int i = 0; i < 40; ++i) {
    SQARC_item* a = &SQarc[random() % slots];
    if (a->occupied) SQremovearc(a);
  }
  // An arc outside the chain into a line outside the cells.
  SQLINE_item outsideLine{};
  outsideLine.number = -10;
  SQARC_item outsideArcs[2]{};
  link(&outsideArcs[0], lines[3], &outsideLine, -10);
  link(&outsideArcs[1], &outsideLine, lines[3], -10);

  const SQarcLists& lists = SQreadArcLists(SQcell, cells, SQarc);
  ASSERT_EQ(lists.lines.size(), lines.size());
  for (int i = 0; i < static_cast<int>(lines.size()); ++i)
    for (bool entering : {false, true}) {
      std::vector<Seen> walked, read;
      for (SQARC_item* a = entering ? lines[i]->ter_next : lines[i]->ori_next; a;
           a = entering ? a->ter_next : a->ori_next)
        walked.push_back({a, entering ? a->ori : a->ter, a->rank});
      lists.forEach(i, entering, [&](const SQarcLists::Slot& s) {
        const SQLINE_item* far = s.far >= 0 ? lists.lines[s.far] : lists.farLine(s.id, entering);
        read.push_back({lists.arcs[s.id], far, s.rank});
      });
      EXPECT_TRUE(walked == read) << "line " << i << (entering ? " entering" : " leaving");
    }
  // Unlink the outside arcs before the graph is released.
  SQremovearc(&outsideArcs[0]);
  SQremovearc(&outsideArcs[1]);
}
