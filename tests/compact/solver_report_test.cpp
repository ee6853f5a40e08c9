// Reading lp_solve's report: the variables section as lp_solve 5.5 prints it,
// with its headings, six-digit values, and the reports of failed solves.
#include <gtest/gtest.h>

#include <cstdio>

#include "compact/solver_report.h"

namespace {

struct Read {
  bool ok;
  std::vector<LPvalue> values;
  std::string why;
};

Read read(const std::string& report) {
  FILE* f = tmpfile();
  fputs(report.c_str(), f);
  rewind(f);
  Read r;
  r.ok = LPreadReport(f, &r.values, &r.why);
  fclose(f);
  return r;
}

std::vector<std::pair<int, long>> pairs(const Read& r) {
  std::vector<std::pair<int, long>> out;
  for (const LPvalue& v : r.values) out.emplace_back(v.column, v.value);
  return out;
}

TEST(SolverReport, ValuesOfTheVariablesSectionOnceEachAsWholeNumbers) {
  // Headings first, then the records; exponents and fractions as lp_solve
  // prints them (fractions dropped toward zero); the constraints section and
  // the dual values after it are not read as variables.
  Read r = read(
      "\nValue of objective function: 1500041.50000000\n\n"
      "Actual values of the variables:\n"
      "X1                              0\n"
      "X2                        1.5e+06\n"
      "X3                           37.5\n"
      "X4                          -12.5\n"
      "X10                            4\n"
      "\nActual values of the constraints:\n"
      "2                         1.5e+06\n"
      "\nDual values with upper and lower limits:\n"
      "X5                              9\n");
  ASSERT_TRUE(r.ok) << r.why;
  EXPECT_EQ(pairs(r), (std::vector<std::pair<int, long>>{{1, 0}, {2, 1500000}, {3, 37}, {4, -12}, {10, 4}}));
}

TEST(SolverReport, ARecordCutShortIsNotUsed) {
  Read r = read("\nValue of objective function: 0\n\nActual values of the variables:\nX1   40\nX2   80\nX3");
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(pairs(r), (std::vector<std::pair<int, long>>{{1, 40}, {2, 80}}));
}

TEST(SolverReport, FailedSolvesAreFailures) {
  const std::pair<const char*, const char*> cases[] = {
      {"\nThis problem is infeasible", "infeasible"},
      {"\nThis problem is unbounded", "unbounded"},
      {"\nValue of objective function: 0\n\nActual values of the variables:\n", "no values"},
      {"", "no solution"},
      {"Unable to read model.\n", "no solution"},
  };
  for (const auto& [report, reason] : cases) {
    Read r = read(report);
    EXPECT_FALSE(r.ok) << report;
    EXPECT_NE(r.why.find(reason), std::string::npos) << r.why;
  }
}

}  // namespace
