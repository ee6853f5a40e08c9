// mps.file: the LP problem of one direction and phase, in fixed MPS columns,
// solved by lp_solve, whose values are read back from mps.file.rpt.
#include <sys/resource.h>

#include <cstdio>
#include <ctime>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/message.h"
#include "common/output_file.h"
#include "common/run_program.h"
#include "compact/lp_backend.h"
#include "compact/process_options.h"
#include "compact/solver_report.h"

unsigned char PHASEII = 0;
LPstepTimes LPtimes;

namespace {

// Processor time: this process's own, or that of its finished children (the solver).
double ownSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
double childSeconds() {
  rusage u;
  getrusage(RUSAGE_CHILDREN, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

constexpr int kAxisLayer = 100;  // symmetry axis variables

bool writeProblem(FILE* f, _adjacency_list** eq, _rhs_list* rhs, long bound) {
  const int columns = SWcolumns(X_direction);
  int lastRow = 1;
  fprintf(f, "NAME LINDO GENERATED MPS FILE (MIN)\n");
  fprintf(f, "ROWS\n");
  fprintf(f, "  N %-5d\n", 1);
  for (_rhs_item* r = rhs->head; r; r = r->next) {
    fprintf(f, "%-4s%-8d\n", r->type == 'E' ? "  E" : r->type == 'G' ? "  G" : "  L", r->column);
    lastRow = r->column;
  }
  const int extentRows = PHASEII ? num_of_var / 2 : 0;
  for (int k = 1; k <= extentRows; ++k) fprintf(f, "%-4s%-8d\n", "  L", lastRow + k);
  fprintf(f, "COLUMNS\n");
  int sign = 1;
  int nextExtentRow = lastRow + 1;
  for (int i = 1; i <= columns; ++i) {
    _adjacency_list* entry = eq[i - 1];
    if (!PHASEII) {
      fprintf(f, "    X%-7d  %-8d  %d\n", i, 1, 1);
    } else {
      const int layer = entry->the_edge ? entry->the_edge->layer_num : kAxisLayer;
      if (layer >= kAxisLayer) {
        // An axis may move freely: no weight, no extent row.
        fprintf(f, "    X%-7d  %-8d  %d\n", i, 1, 0);
      } else if (not_contact(layer)) {
        sign = -sign;  // left side -1, its right side +1
        const int weight = layer < RS_COEFF_LAYERS ? COEFF[layer] : 0;
        fprintf(f, "    X%-7d  %-8d  %d\n", i, 1, entry->alpha * weight * sign);
        if (sign == 1 && nextExtentRow <= lastRow + extentRows)
          fprintf(f, "    X%-7d  %-8d  %d\n", i, nextExtentRow++, 1);
      }
    }
    for (_equation_item* it = entry->head; it; it = it->next)
      fprintf(f, "    X%-7d  %-8d  %-d\n", i, it->rank, it->coeff);
  }
  fprintf(f, "RHS\n");
  for (_rhs_item* r = rhs->head; r; r = r->next) fprintf(f, "    %-8s  %-8d  %d\n", "RHS", r->column, r->value);
  for (int k = 1; k <= extentRows; ++k)
    fprintf(f, "    %-8s  %-8d  %d\n", "RHS", lastRow + k, static_cast<int>(bound));
  fprintf(f, "ENDATA\n");
  return true;
}

// Writes the problem, complete and in place before the solver reads it;
// false when mps.file cannot be made.
bool writeProblem(_adjacency_list** eq, _rhs_list* rhs, long bound) {
  return GCwriteOutputFile("mps.file", [&](FILE* f) { return writeProblem(f, eq, rhs, bound); });
}

void setColumn(_adjacency_list** eq, int column, long value) {
  _edge* e = eq[column - 1]->the_edge;
  if (e && e->p1 && e->p2) e->p1->x = e->p2->x = value;
}

void pullPins(_adjacency_list** eq, const PIN_LIST* pins, long value) {
  if (!pins) return;
  for (const PIN* p = pins->head; p; p = p->next) setColumn(eq, p->subscript, value);
}

}  // namespace

bool mps_gen(_adjacency_list** eq, _rhs_list* rhs, long bound, long* largest) {
  printf("*******************************\n");
  printf("num_of_var  is : %d\n", num_of_var);
  printf("NUM_of_VAR  is : %d\n", NUM_of_VAR);
  printf("*******************************\n");
  double start = ownSeconds();
  if (!writeProblem(eq, rhs, bound)) {
    printf(" IIIII CAN'T OPEN THE FILE\n");
    fflush(stdout);
    exit(0);
  }
  LPtimes.mpsWriting += ownSeconds() - start;

  start = childSeconds();
  const char* solver[] = {"lp_solve", "-mps", nullptr};
  int status = GCrunProgram(solver, "mps.file", "mps.file.rpt");
  LPtimes.solver += childSeconds() - start;
  if (status < 0) return false;  // reported by the runner

  start = ownSeconds();
  FILE* report = fopen("mps.file.rpt", "r");
  std::vector<LPvalue> values;
  std::string why;
  bool solved = report && LPreadReport(report, &values, &why);
  if (report) fclose(report);
  if (!solved) {
    GCmessage(GC_MOD_COMMON, 'E', "No solution from lp_solve for mps.file (%s direction, phase %d): %s",
              X_direction ? "x" : "y", PHASEII ? 2 : 1, report ? why.c_str() : "no report mps.file.rpt");
    return false;
  }
  const int columns = SWcolumns(X_direction);
  long most = SW_MINUS_INFINITY, least = SW_INFINITY;
  for (const LPvalue& v : values) {
    if (v.column > columns) continue;
    if (PHASEII) setColumn(eq, v.column, v.value);
    if (v.value > most) most = v.value;
    if (v.value < least) least = v.value;
  }
  if (PHASEII) {
    pullPins(eq, OUTPUT_PINS, most);
    pullPins(eq, INPUT_PINS, least);
  }
  LPtimes.readBack += ownSeconds() - start;
  *largest = most;
  return true;
}
