// Reading lp_solve's report: the values of the variables section.
//
// The report starts with heading lines ("Value of objective function: ...",
// "Actual values of the variables:"), then one record per column, "X<n>" and
// its value, which lp_solve prints with six significant digits ("1.5e+06",
// "37.5"). A value is read as a whole number the way an integer read of the
// printed number takes it: its integer part, the fraction dropped (toward
// zero). The section ends at the first line that is not such a record.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

struct LPvalue {
  int column;  // n of "X<n>"
  long value;
};

// What the report says about the problem.
enum class LPoutcome { kSolved, kInfeasible, kUnbounded, kNoValues };

// Reads the variables section of the report `in`. Every complete record is
// returned once, in report order. False, with the reason in *why, when the
// report says the problem is infeasible or unbounded, or holds no values;
// `outcome` (when given) tells those cases apart.
bool LPreadReport(FILE* in, std::vector<LPvalue>* values, std::string* why, LPoutcome* outcome = nullptr);
