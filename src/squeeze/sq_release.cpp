// Solved positions into the cells' rectangles, and the release of a
// direction's lines and arcs (its cells stay for the output).
#include <cstdio>
#include <initializer_list>

#include "common/memory.h"
#include "squeeze/sq_arc_lists.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_longest_path.h"
#include "squeeze/sq_output.h"

void SQupdatecell(int dir) {
  if (dir != LEFT_RIGHT && dir != TOP_BOTTOM) {
    SQerrmessage("No direction for update SQcell", "SQterminate");
    return;
  }
  for (int k = 0; k < SQcell_size; ++k) {
    SQCELL_item& c = SQcell[k];
    if (!c.left || !c.right) continue;
    if (dir == LEFT_RIGHT) {
      c.corner.x1 = c.left->loc;
      c.corner.x2 = c.right->loc;
    } else {
      c.corner.y1 = c.left->loc;
      c.corner.y2 = c.right->loc;
    }
  }
}

namespace {

void freeLines(SQCELL_item* cells, int n) {
  for (int k = 0; k < n; ++k) {
    if (cells[k].left) GCdelete(cells[k].left);
    if (cells[k].right) GCdelete(cells[k].right);
    cells[k].left = cells[k].right = nullptr;
  }
}

}  // namespace

void SQreleaseGraph(int dir) {
  SQCELL_item*& copyCells = dir == TOP_BOTTOM ? SQcell_TB : SQcell_LR;
  int& copyAllocate = dir == TOP_BOTTOM ? SQcell_size_allocate_TB : SQcell_size_allocate_LR;
  SQARC_item*& copyArc = dir == TOP_BOTTOM ? SQarc_TB : SQarc_LR;
  int& copyArcSize = dir == TOP_BOTTOM ? SQarc_size_TB : SQarc_size_LR;
  int& copyArcAllocate = dir == TOP_BOTTOM ? SQarc_size_allocate_TB : SQarc_size_allocate_LR;
  SQARC_item*& copyLast = dir == TOP_BOTTOM ? SQarc_lastinstruct_TB : SQarc_lastinstruct_LR;
  SQSYMARC_item*& copySym = dir == TOP_BOTTOM ? SQsymarc_TB : SQsymarc_LR;
  // The direction's graph is the current one while it is being solved.
  const bool isCurrent = (SQcell && SQcell == copyCells) || (dir == resize_direction && SQcell && !copyCells);
  SQCELL_item* cells = isCurrent ? SQcell : copyCells;
  const int allocate = isCurrent ? SQcell_size_allocate : copyAllocate;
  SQARC_item* arcs = isCurrent ? SQarc : copyArc;
  const int arcAllocate = isCurrent ? SQarc_size_allocate : copyArcAllocate;
  SQARC_item* last = isCurrent ? SQarc_lastinstruct : copyLast;
  SQSYMARC_item* sym = isCurrent ? SQsymarc : copySym;

  if (cells) freeLines(cells, allocate);
  GCdeleteChain(sym);
  // Separately added arcs follow the array part (or make the whole chain).
  SQARC_item* added = last ? last->list_next : (arcAllocate == 0 ? arcs : nullptr);
  while (added) {
    SQARC_item* next = added->list_next;
    GCdelete(added);
    added = next;
  }
  if (arcAllocate > 0) SQfreeArcArray(arcs);
  copyArc = nullptr;
  copyArcSize = copyArcAllocate = 0;
  copyLast = nullptr;
  copySym = nullptr;
  if (isCurrent) {
    SQarc = nullptr;
    SQarc_size = SQarc_size_allocate = 0;
    SQarc_lastinstruct = nullptr;
    SQsymarc = nullptr;
  }
}

void SQclear(int dir) {
  SQreleaseGraph(dir);
  printf("SQterm: clear datastructure done -> return to caller\n");
}

void SQfreeCells(SQCELL_item* cells, int n) {
  if (!cells) return;
  freeLines(cells, n);
  GCfree(cells, sizeof(SQCELL_item) * static_cast<size_t>(n));
}

void SQclearcell(SQCELL_item* lr, SQCELL_item* tb) {
  const int nlr = lr == SQcell_LR ? SQcell_size_allocate_LR : lr == SQcell ? SQcell_size_allocate : 0;
  const int ntb = tb == SQcell_TB ? SQcell_size_allocate_TB : tb == SQcell ? SQcell_size_allocate : 0;
  SQfreeCells(lr, nlr);
  if (tb != lr) SQfreeCells(tb, ntb);
  // The working arrays of the passes and list walks end with the graphs.
  SQbf_release();
  SQreleaseArcLists();
  for (SQCELL_item** c : {&SQcell, &SQcell_LR, &SQcell_TB}) *c = nullptr;
  SQcell_size = SQsymcell_size = SQcell_size_allocate = 0;
  SQcell_size_LR = SQsymcell_size_LR = SQcell_size_allocate_LR = 0;
  SQcell_size_TB = SQsymcell_size_TB = SQcell_size_allocate_TB = 0;
}
