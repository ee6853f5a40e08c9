// One direction's graph is current at a time; the other waits in its copy.
// Tiles reach the current direction's cell through resize_cell.
#include "cs/cs.h"
#include "squeeze/sq_graph.h"

namespace {

struct GraphGlobals {
  SQCELL_item** cell;
  int *cellSize, *symcellSize, *cellAllocate;
  SQARC_item** arc;
  int *arcSize, *arcAllocate;
  SQARC_item** lastinstruct;
  SQSYMARC_item** symarc;
};

const GraphGlobals current = {&SQcell, &SQcell_size, &SQsymcell_size, &SQcell_size_allocate, &SQarc,
                              &SQarc_size, &SQarc_size_allocate, &SQarc_lastinstruct, &SQsymarc};
const GraphGlobals leftRight = {&SQcell_LR, &SQcell_size_LR, &SQsymcell_size_LR, &SQcell_size_allocate_LR,
                                &SQarc_LR, &SQarc_size_LR, &SQarc_size_allocate_LR, &SQarc_lastinstruct_LR,
                                &SQsymarc_LR};
const GraphGlobals topBottom = {&SQcell_TB, &SQcell_size_TB, &SQsymcell_size_TB, &SQcell_size_allocate_TB,
                                &SQarc_TB, &SQarc_size_TB, &SQarc_size_allocate_TB, &SQarc_lastinstruct_TB,
                                &SQsymarc_TB};

void copy(const GraphGlobals& to, const GraphGlobals& from) {
  *to.cell = *from.cell;
  *to.cellSize = *from.cellSize;
  *to.symcellSize = *from.symcellSize;
  *to.cellAllocate = *from.cellAllocate;
  *to.arc = *from.arc;
  *to.arcSize = *from.arcSize;
  *to.arcAllocate = *from.arcAllocate;
  *to.lastinstruct = *from.lastinstruct;
  *to.symarc = *from.symarc;
}

bool same(const GraphGlobals& a, const GraphGlobals& b) {
  return *a.cell == *b.cell && *a.arc == *b.arc && *a.symarc == *b.symarc;
}

// resize_cell of the tiles of `cells`: their cell of this direction, or null.
void pointTiles(SQCELL_item* cells, int n, bool vertical, bool set) {
  for (int k = 0; k < n; ++k) {
    _DtileCold* cold = cells[k].cold;
    if (!cold) continue;
    cold->resize_cell = set ? (vertical ? cold->resize_cell_TB : cold->resize_cell_LR) : nullptr;
  }
}

}  // namespace

void SQswitch_direction(int which, int set) {
  if (which == 1 || which == 2) {
    const GraphGlobals& in = which == 1 ? leftRight : topBottom;
    const GraphGlobals& out = which == 1 ? topBottom : leftRight;
    if (!same(current, in)) {
      copy(out, current);
      copy(current, in);
    }
    pointTiles(*in.cell, *in.cellSize, which == 2, set == 1);
  } else if (which == 3) {
    pointTiles(SQcell_LR, SQcell_size_LR, false, false);
  }
}
