// The yield formulas written out again, in double precision, as the tests'
// separate computation: failure density, the trapezoidal rule and the
// clustered yield; and the bridge model of critical area.
#pragma once

#include <cmath>
#include <vector>

#include "faultex/rect_union.h"

inline double failure(double x, double s, double X0, double D0) { return s * D0 * X0 * X0 / (x * x * x); }

inline double trapezoid(const std::vector<double>& x, const std::vector<double>& y) {
  double sum = 0;
  for (size_t i = 0; i + 1 < x.size(); ++i) sum += (y[i] + y[i + 1]) * (x[i + 1] - x[i]) / 2.0;
  return sum;
}

inline double clusteredYield(double D, double areaMicron2, double theta, double Y0, double alfa) {
  return Y0 / std::pow(1 + areaMicron2 * 1e-7 * D * theta / alfa, alfa);
}

// Where a defect of size d bridges two different nets: the area where the
// nets' rectangles, grown by half the defect, overlap for at least two nets.
inline double bridgeArea(std::vector<LabelledRect> rects, long d) {
  const long h = d / 2;
  for (LabelledRect& r : rects) r.x1 -= h, r.y1 -= h, r.x2 += h, r.y2 += h;
  long double area = 0;
  for (auto& [nets, a] : unionAreas(rects)) area += a;
  return static_cast<double>(area);
}
