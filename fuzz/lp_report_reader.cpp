// Fuzzes the reader of lp_solve's report (a solver of another version, or a
// report cut short, must give values or a reason, never undefined numbers).
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "compact/solver_report.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "r");
  if (!f) return 0;
  std::vector<LPvalue> values;
  std::string why;
  LPoutcome outcome = LPoutcome::kSolved;
  bool solved = LPreadReport(f, &values, &why, &outcome);
  fclose(f);
  if (solved != (outcome == LPoutcome::kSolved) || (!solved && why.empty())) __builtin_trap();
  return 0;
}
