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

int DYaxisPower(const DYaxisRange& axis) {
  double largest = std::max(std::fabs(axis.lo), std::fabs(axis.hi));
  if (axis.step >= 1e-3 && largest < 1e5) return 0;
  return static_cast<int>(std::floor(std::log10(largest)));
}

std::string DYaxisPowerSuffix(const DYaxisRange& axis) {
  int power = DYaxisPower(axis);
  if (power == 0) return "";
  char buf[32];
  snprintf(buf, sizeof buf, " (x 1e%+03d)", power);
  return buf;
}

std::string DYtickLabel(const DYaxisRange& axis, int i) {
  double v = axis.tick(i);
  if (v == 0.0) return "0";
  double unit = std::pow(10.0, DYaxisPower(axis));
  double step = axis.step / unit;
  double exponent = std::floor(std::log10(step) + 1e-9);
  // 2.5 x 10^k needs one decimal more than its power of ten.
  double mantissa = step / std::pow(10.0, exponent);
  int decimals = std::max(0, static_cast<int>(-exponent) + (std::fabs(mantissa - 2.5) < 1e-6 ? 1 : 0));
  char buf[32];
  snprintf(buf, sizeof buf, "%.*f", decimals, v / unit);
  return buf;
}
