#include "yield/plot_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
// Round steps, as mantissas of a power of ten.
constexpr double ROUND_STEPS[] = {1.0, 2.0, 2.5, 5.0, 10.0};

int ticksOf(double lo, double hi, double step) { return static_cast<int>(std::lround((hi - lo) / step)) + 1; }

// Float noise of the data (a yield stored as 0.99970001) must not push the
// range a whole step further.
double snapDown(double v, double step) { return std::floor(v / step + 1e-6) * step; }
double snapUp(double v, double step) { return std::ceil(v / step - 1e-6) * step; }
}  // namespace

int DYaxisRange::ticks() const { return step > 0 ? ticksOf(lo, hi, step) : 1; }

double DYaxisRange::tick(int i) const {
  double v = lo + step * i;
  // Exact zero rather than 1e-17 when the range crosses it.
  return std::fabs(v) < step * 1e-9 ? 0.0 : v;
}

DYaxisRange DYniceRange(double dataMin, double dataMax, int maxTicks) {
  maxTicks = std::max(maxTicks, 3);
  if (!std::isfinite(dataMin) || !std::isfinite(dataMax)) dataMin = 0.0, dataMax = 1.0;
  if (dataMin > dataMax) std::swap(dataMin, dataMax);
  if (dataMin >= 0.0 && dataMin < 0.5 * dataMax) dataMin = 0.0;
  if (dataMax <= 0.0 && dataMax > 0.5 * dataMin) dataMax = 0.0;
  if (dataMax - dataMin <= std::max(std::fabs(dataMax), 1.0) * 1e-9) {
    // One value: a range a tenth of its size around it, or 0 to 1 for zero.
    double half = dataMax == 0.0 ? 0.5 : std::fabs(dataMax) * 0.05;
    if (dataMax == 0.0) dataMin = 0.0, dataMax = 1.0;
    else dataMin -= half, dataMax += half;
  }
  const double span = dataMax - dataMin;
  double magnitude = std::pow(10.0, std::floor(std::log10(span / (maxTicks - 1))));
  for (;; magnitude *= 10.0)
    for (double m : ROUND_STEPS) {
      double step = m * magnitude;
      double lo = snapDown(dataMin, step), hi = snapUp(dataMax, step);
      if (ticksOf(lo, hi, step) <= maxTicks) return DYaxisRange{lo, hi, step};
    }
}

std::string DYtickLabel(const DYaxisRange& axis, int i) {
  double v = axis.tick(i);
  char buf[32];
  if (v == 0.0) return "0";
  double exponent = std::floor(std::log10(axis.step));
  if (exponent < -4 || std::fabs(axis.hi) >= 1e6 || std::fabs(axis.lo) >= 1e6) {
    snprintf(buf, sizeof buf, "%.3g", v);
  } else {
    // 2.5 x 10^k needs one decimal more than its power of ten.
    double mantissa = axis.step / std::pow(10.0, exponent);
    int decimals = std::max(0, static_cast<int>(-exponent) + (std::fabs(mantissa - 2.5) < 1e-6 ? 1 : 0));
    snprintf(buf, sizeof buf, "%.*f", decimals, v);
  }
  return buf;
}
