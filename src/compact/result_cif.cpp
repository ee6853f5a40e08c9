// result.cif: one box per solid tile from its solved sides.
//
// The numbers are written in the units the file's DS line declares, so that
// reading the file back gives the solved coordinates: internal units times
// LAMBDA_T2 / (CIF_FACTOR * SCALE) are CIF units of the target grid, scaled by
// B / A of "DS 1 A B" (A = 1, B = 2 for a grid of 0.1 um, as the squeeze
// output has it). A size with a fraction is widened by 2 (its integer part
// plus 2) and a centre with a fraction moved up to the next unit (its integer
// part plus 1), so no box ends up smaller than its tile.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/message.h"
#include "common/output_file.h"
#include "common/scale.h"
#include "compact/lp_backend.h"

namespace {

struct ResultBox {
  int length, width, cx, cy;
};

// A = 1 and B = p * 2 / 10, p the smallest power of ten with LAMBDA_T2 * p >= 1.
long outputRatioB() {
  long p = 1;
  while (LAMBDA_T2 * static_cast<double>(p) < 1.0 && p < 1000000000L) p *= 10;
  long b = p * 2 / 10;
  return b > 0 ? b : 1;
}

int size(double q) {
  double whole;
  return static_cast<int>(std::modf(q, &whole) != 0.0 ? whole + 2 : whole);
}

int centre(double q) {
  double whole;
  return static_cast<int>(std::modf(q, &whole) != 0.0 ? whole + 1 : whole);
}

}  // namespace

bool generate_result(_adjacency_list** xeq, _adjacency_list** yeq) {
  const long ratioB = outputRatioB();
  const double perUnit = LAMBDA_T2 / CIF_FACTOR / static_cast<double>(SCALE) * static_cast<double>(ratioB);
  std::vector<ResultBox> layers[32];
  std::string names[32];
  for (int i = 1; i + 1 <= num_of_var; i += 2) {
    const _edge* left = xeq[i - 1]->the_edge;
    const _edge* right = xeq[i]->the_edge;
    const _edge* bottom = yeq[i - 1]->the_edge;
    const _edge* top = yeq[i]->the_edge;
    if (!left || !right || !bottom || !top || left->layer_num < 0 || left->layer_num >= 32) continue;
    const double x1 = static_cast<double>(left->p1->x), x2 = static_cast<double>(right->p1->x);
    const double y1 = static_cast<double>(bottom->p1->x), y2 = static_cast<double>(top->p1->x);
    ResultBox box{size((x2 - x1) * perUnit), size((y2 - y1) * perUnit), centre((x1 + x2) / 2.0 * perUnit),
                  centre((y1 + y2) / 2.0 * perUnit)};
    auto& list = layers[left->layer_num];
    list.insert(list.begin(), box);  // newest first
    names[left->layer_num] = left->name;
  }

  GCoutputFile file("result.cif");
  FILE* f = file.stream();
  if (!f) {
    printf("file not found!\n");
    fflush(stdout);
    exit(0);
  }
  fprintf(f, "DS 1 1 %ld;\n", ratioB);
  fprintf(f, "9 __CIF2__;\n");
  for (int l = 0; l < 32; ++l) {
    if (layers[l].empty()) continue;
    fprintf(f, "L %s;\n", names[l].c_str());
    for (const ResultBox& b : layers[l])
      if (b.length != 0 && b.width != 0) fprintf(f, "    B %d %d %d %d;\n", b.length, b.width, b.cx, b.cy);
  }
  fprintf(f, "DF;\n");
  fprintf(f, "C 1;\n");
  fprintf(f, "End\n");
  if (!file.finish()) {
    GCmessage(GC_MOD_COMMON, 'E', "Can't write result.cif");
    return false;
  }
  return true;
}
