#include "yield/yield_model.h"

#include <cmath>

#include "common/scale.h"
#include "cs/cs.h"

float DYlayoutArea() {
  if (DlayerNum <= 0 || theGlobalScale <= 0) return 0.0f;
  const _box& f = DlayerTile[0].frame;
  const float g = static_cast<float>(theGlobalScale);
  return (f.x2 / g - f.x1 / g) * (f.y2 / g - f.y1 / g);
}

float DYsensitivity(float, float crit, float area) { return area > 0.0f ? crit / area : 0.0f; }

float DYsizeDistribution(float x, float X0, float D0) {
  if (x <= X0) return D0 * x / (X0 * X0);
  return D0 * X0 * X0 / (x * x * x);
}

float DYfailureDensity(float x, float S, float X0, float D0) {
  if (x <= 0.0f) return 0.0f;
  return S * D0 * X0 * X0 / (x * x * x);
}

double DYcurArea(const float* xs, const float* ys, int n) {
  double sum = 0.0;
  for (int i = 1; i < n; ++i) sum += (xs[i] - xs[i - 1]) * (ys[i] + ys[i - 1]) / 2.0;
  return sum;
}

float DYyieldAt(float D, float A, double theta, float Y0, float alfa) {
  return static_cast<float>(Y0 / std::pow(1.0 + A * D * theta / alfa, alfa));
}
