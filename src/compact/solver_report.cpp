#include "compact/solver_report.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "compact/sweep.h"

namespace {

bool readLine(FILE* in, std::string* line) {
  line->clear();
  int c;
  while ((c = getc(in)) != EOF && c != '\n') line->push_back(static_cast<char>(c));
  return c != EOF || !line->empty();
}

// "X<digits>" then a number, nothing else on the line.
bool parseRecord(const std::string& line, LPvalue* out) {
  const char* p = line.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  if (*p != 'X') return false;
  char* end;
  errno = 0;
  long column = strtol(p + 1, &end, 10);
  if (end == p + 1 || (*end != ' ' && *end != '\t') || errno == ERANGE || column < 1 || column > 0x7fffffff)
    return false;
  p = end;
  errno = 0;
  double v = strtod(p, &end);
  if (end == p || !std::isfinite(v)) return false;
  while (*end == ' ' || *end == '\t' || *end == '\r') ++end;
  if (*end) return false;
  v = std::trunc(v);
  if (v > static_cast<double>(SW_INFINITY)) v = static_cast<double>(SW_INFINITY);
  if (v < static_cast<double>(SW_MINUS_INFINITY)) v = static_cast<double>(SW_MINUS_INFINITY);
  out->column = static_cast<int>(column);
  out->value = static_cast<long>(v);
  return true;
}

}  // namespace

bool LPreadReport(FILE* in, std::vector<LPvalue>* values, std::string* why, LPoutcome* outcome) {
  LPoutcome ignored;
  if (!outcome) outcome = &ignored;
  *outcome = LPoutcome::kSolved;
  values->clear();
  std::string line;
  bool inSection = false;
  while (readLine(in, &line)) {
    if (!inSection) {
      if (line.find("infeasible") != std::string::npos || line.find("INFEASIBLE") != std::string::npos) {
        *why = "the solver found the constraints infeasible";
        *outcome = LPoutcome::kInfeasible;
        return false;
      }
      if (line.find("unbounded") != std::string::npos || line.find("UNBOUNDED") != std::string::npos) {
        *why = "the solver found the problem unbounded";
        *outcome = LPoutcome::kUnbounded;
        return false;
      }
      if (line.find("Actual values of the variables") != std::string::npos) inSection = true;
      continue;
    }
    LPvalue v;
    if (!parseRecord(line, &v)) break;
    values->push_back(v);
  }
  if (values->empty()) {
    *why = inSection ? "the solver's report holds no values" : "the solver's report holds no solution";
    *outcome = LPoutcome::kNoValues;
    return false;
  }
  return true;
}
