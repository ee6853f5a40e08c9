// The horizontal and vertical cell sets (one cell per tile in each) become
// one set of rectangles: x from the horizontal pass, y from the vertical one.
#include <cstdio>
#include <cstdlib>
#include <unordered_map>
#include <vector>

#include "cs/cs.h"
#include "squeeze/sq_graph.h"
#include "squeeze/sq_output.h"

namespace {

[[noreturn]] void fatal(const char* text) {
  printf("\n******************************\n");
  printf("%s", text);
  printf("\n******************************\n");
  exit(1);
}

struct CellKey {
  const _Dtile* tile;
  int layer;
  bool operator==(const CellKey& o) const { return tile == o.tile && layer == o.layer; }
};
struct CellKeyHash {
  size_t operator()(const CellKey& k) const {
    return std::hash<const void*>()(k.tile) ^ (static_cast<size_t>(k.layer) * 0x9e3779b97f4a7c15ULL);
  }
};

}  // namespace

void SQsynccell(SQCELL_item* lr, int nlr, SQCELL_item* tb, int ntb) {
  char text[256];
  if (nlr != ntb) {
    snprintf(text, sizeof text, "** SQsynccell:  Error. LR_size (%i) is not equal to TB_size (%i).", nlr, ntb);
    fatal(text);
  }
  if (lr == tb) {
    snprintf(text, sizeof text, "** SQsynccell:  Error. LR (%p) and TB (%p) are the same datastructure.",
             static_cast<void*>(lr), static_cast<void*>(tb));
    fatal(text);
  }
  // First horizontal cell of each (tile, layer).
  std::unordered_map<CellKey, int, CellKeyHash> first;
  first.reserve(static_cast<size_t>(nlr));
  for (int j = 0; j < nlr; ++j) first.emplace(CellKey{lr[j].mother_tile, lr[j].layernumber}, j);
  std::vector<int> used(static_cast<size_t>(nlr), 0);
  for (int i = 0; i < ntb; ++i) {
    SQCELL_item& v = tb[i];
    auto found = first.find(CellKey{v.mother_tile, v.layernumber});
    if (found == first.end()) {
      snprintf(text, sizeof text, "** SQsynccell:  Error. TB cell %i (%p) can't be found in LR.", i,
               static_cast<void*>(&v));
      fatal(text);
    }
    const int j = found->second;
    SQCELL_item& h = lr[j];
    if (used[static_cast<size_t>(j)]) {
      snprintf(text, sizeof text, "** SQsynccell:  Error. TB cell %i (%p) and LR cell %i (%p).  LR is getting updated twice.",
               i, static_cast<void*>(&v), j, static_cast<void*>(&h));
      fatal(text);
    }
    h.corner.y1 = v.corner.y1;
    h.corner.y2 = v.corner.y2;
    v.corner.x1 = h.corner.x1;
    v.corner.x2 = h.corner.x2;
    ++used[static_cast<size_t>(j)];
    const _DtileCold* cold = v.mother_tile ? CStileCold(v.mother_tile) : nullptr;
    if (!cold || cold->resize_cell_LR != &h || cold->resize_cell_TB != &v)
      printf("ERROR: SQsynccell: the current TB->mother_tile->resize_cell (#%i) cross-checked not equal to "
             "LR->mother_tile->resize_cell (#%i)\n",
             v.number, h.number);
  }
  for (int j = 0; j < nlr; ++j) {
    if (used[static_cast<size_t>(j)] == 1) continue;
    printf("\n******************************\n");
    printf("** SQsynccell:  Error. LR cell %i (%p) %s.\n", j, static_cast<void*>(&lr[j]),
           used[static_cast<size_t>(j)] > 1 ? "got updated twice" : "never got updated");
  }
}

void SQrepositioncell(SQCELL_item* cells, int n) {
  if (n <= 0) return;
  long minX = cells[0].corner.x1, minY = cells[0].corner.y1;
  for (int k = 0; k < n; ++k) {
    if (cells[k].corner.x1 < minX) minX = cells[k].corner.x1;
    if (cells[k].corner.y1 < minY) minY = cells[k].corner.y1;
  }
  for (int k = 0; k < n; ++k) {
    if (minX < 0) {
      cells[k].corner.x1 -= minX;
      cells[k].corner.x2 -= minX;
    }
    if (minY < 0) {
      cells[k].corner.y1 -= minY;
      cells[k].corner.y2 -= minY;
    }
  }
}
