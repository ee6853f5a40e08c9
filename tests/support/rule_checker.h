// An independent design-rule check of output rectangles against the rule
// tables (WIDTH, SPACING, EXTENSION), on a raster of the layout:
//   - width: every pixel of a layer lies in a square of the layer's width
//     drawn wholly inside that layer;
//   - spacing: facing edges (same row or column) of two shapes that do not
//     overlap are at least the spacing apart (within one layer: between any
//     two of its shapes, notches included);
//   - extension: where an edge of an inner-layer shape lies inside (or flush
//     with) the outer layer, the outer layer reaches beyond it by the extension.
// Rule values are in rule units of `ruleUnit` layout units each.
#pragma once
#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "designrule/designrule.h"

struct RCrect {
  int layer;  // technology layer number (index of the rule tables)
  long x1, y1, x2, y2;
};

class RCraster {
 public:
  RCraster(const std::vector<RCrect>& rects, long ruleUnit) : unit_(ruleUnit) {
    long g = ruleUnit;
    x0_ = y0_ = 0;
    if (!rects.empty()) {
      x0_ = rects[0].x1, y0_ = rects[0].y1;
      long x1 = rects[0].x2, y1 = rects[0].y2;
      for (const RCrect& r : rects) {
        x0_ = std::min(x0_, r.x1), y0_ = std::min(y0_, r.y1);
        x1 = std::max(x1, r.x2), y1 = std::max(y1, r.y2);
      }
      for (const RCrect& r : rects)
        for (long v : {r.x1 - x0_, r.x2 - x0_, r.y1 - y0_, r.y2 - y0_}) g = std::gcd(g, v);
      pixel_ = std::max(1L, g);
      // A margin of the largest rule around the layout, so scans never leave the raster.
      margin_ = 12 * ruleUnit / pixel_ + 2;
      w_ = (x1 - x0_) / pixel_ + 2 * margin_;
      h_ = (y1 - y0_) / pixel_ + 2 * margin_;
    }
    for (const RCrect& r : rects) {
      auto& m = layers_[r.layer];
      if (m.empty()) m.assign(static_cast<size_t>(w_ * h_), 0);
      for (long y = py(r.y1); y < py(r.y2); ++y)
        for (long x = px(r.x1); x < px(r.x2); ++x) m[static_cast<size_t>(y * w_ + x)] = 1;
    }
  }

  std::vector<std::string> violations() {
    std::vector<std::string> out;
    for (auto& [a, m] : layers_) {
      if (a < 0 || a >= DR_MAX_LAYERS) continue;
      if (WIDTH_VALID[a]) width(a, pixels(WIDTH[a]), out);
      for (auto& [b, n] : layers_)
        if (b >= 0 && b < DR_MAX_LAYERS) {
          if (SPACING_VALID[a][b]) spacing(a, b, pixels(SPACING[a][b]), out);
          if (EXTENSION_VALID[a][b] && EXTENSION[a][b] > 0) extension(a, b, pixels(EXTENSION[a][b]), out);
        }
    }
    return out;
  }

 private:
  long px(long x) const { return (x - x0_) / pixel_ + margin_; }
  long py(long y) const { return (y - y0_) / pixel_ + margin_; }
  long pixels(short rule) const { return (rule * unit_ + pixel_ - 1) / pixel_; }
  bool at(int layer, long x, long y) const {
    auto it = layers_.find(layer);
    if (it == layers_.end() || x < 0 || y < 0 || x >= w_ || y >= h_) return false;
    return it->second[static_cast<size_t>(y * w_ + x)] != 0;
  }
  void report(std::vector<std::string>& out, const char* what, int a, int b, long x, long y) {
    if (out.size() > 20) return;
    char text[160];
    snprintf(text, sizeof text, "%s %d/%d at (%ld, %ld)", what, a, b, (x - margin_) * pixel_ + x0_,
             (y - margin_) * pixel_ + y0_);
    out.push_back(text);
  }

  void width(int a, long wpx, std::vector<std::string>& out) {
    if (wpx <= 1) return;
    // Summed area, then the union of all full squares.
    std::vector<long> sum(static_cast<size_t>((w_ + 1) * (h_ + 1)), 0);
    auto S = [&](long x, long y) -> long& { return sum[static_cast<size_t>(y * (w_ + 1) + x)]; };
    for (long y = 0; y < h_; ++y)
      for (long x = 0; x < w_; ++x) S(x + 1, y + 1) = at(a, x, y) + S(x, y + 1) + S(x + 1, y) - S(x, y);
    std::vector<int> cover(static_cast<size_t>((w_ + 1) * (h_ + 1)), 0);
    auto C = [&](long x, long y) -> int& { return cover[static_cast<size_t>(y * (w_ + 1) + x)]; };
    for (long y = 0; y + wpx <= h_; ++y)
      for (long x = 0; x + wpx <= w_; ++x)
        if (S(x + wpx, y + wpx) - S(x, y + wpx) - S(x + wpx, y) + S(x, y) == wpx * wpx) {
          ++C(x, y), --C(x + wpx, y), --C(x, y + wpx), ++C(x + wpx, y + wpx);
        }
    for (long y = 0; y < h_; ++y)
      for (long x = 0; x < w_; ++x) {
        if (x) C(x, y) += C(x - 1, y);
        if (y) C(x, y) += C(x, y - 1);
        if (x && y) C(x, y) -= C(x - 1, y - 1);
        if (at(a, x, y) && C(x, y) <= 0) return report(out, "width", a, a, x, y);
      }
  }

  // Connected pieces of a layer (4-neighbours), for "do these two overlap".
  const std::vector<int>& pieces(int a) {
    auto& p = pieces_[a];
    if (!p.empty()) return p;
    p.assign(static_cast<size_t>(w_ * h_), 0);
    int next = 0;
    std::vector<long> stack;
    for (long i = 0; i < w_ * h_; ++i) {
      if (!at(a, i % w_, i / w_) || p[static_cast<size_t>(i)]) continue;
      p[static_cast<size_t>(i)] = ++next;
      stack.push_back(i);
      while (!stack.empty()) {
        long j = stack.back();
        stack.pop_back();
        long x = j % w_, y = j / w_;
        for (auto [dx, dy] : {std::pair{1L, 0L}, {-1L, 0L}, {0L, 1L}, {0L, -1L}})
          if (at(a, x + dx, y + dy) && !p[static_cast<size_t>((y + dy) * w_ + x + dx)]) {
            p[static_cast<size_t>((y + dy) * w_ + x + dx)] = next;
            stack.push_back((y + dy) * w_ + x + dx);
          }
      }
    }
    return p;
  }
  std::set<std::pair<int, int>> overlapping(int a, int b) {
    std::set<std::pair<int, int>> s;
    const auto &pa = pieces(a), &pb = pieces(b);
    for (size_t i = 0; i < pa.size(); ++i)
      if (pa[i] && pb[i]) s.insert({pa[i], pb[i]});
    return s;
  }

  void spacing(int a, int b, long spx, std::vector<std::string>& out) {
    const auto& pa = pieces(a);
    const auto& pb = pieces(b);
    const auto touching = overlapping(a, b);
    for (long y = 0; y < h_; ++y)
      for (long x = 0; x < w_; ++x) {
        if (!at(a, x, y)) continue;
        for (auto [dx, dy] : {std::pair{1L, 0L}, {-1L, 0L}, {0L, 1L}, {0L, -1L}}) {
          if (at(a, x + dx, y + dy)) continue;  // not a boundary of a on this side
          for (long k = 1; k <= spx; ++k) {
            const long bx = x + k * dx, by = y + k * dy;
            if (a == b && k == 1) continue;
            if (!at(b, bx, by)) continue;
            const int ia = pa[static_cast<size_t>(y * w_ + x)], ib = pb[static_cast<size_t>(by * w_ + bx)];
            if (a != b && touching.count({ia, ib})) break;
            if (k - 1 < spx) report(out, "spacing", a, b, x, y);
            break;
          }
        }
      }
  }

  void extension(int outer, int inner, long epx, std::vector<std::string>& out) {
    for (long y = 0; y < h_; ++y)
      for (long x = 0; x < w_; ++x) {
        if (!at(inner, x, y) || !at(outer, x, y)) continue;
        for (auto [dx, dy] : {std::pair{1L, 0L}, {-1L, 0L}, {0L, 1L}, {0L, -1L}}) {
          if (at(inner, x + dx, y + dy)) continue;
          for (long k = 1; k <= epx; ++k)
            if (!at(outer, x + k * dx, y + k * dy)) {
              report(out, "extension", outer, inner, x, y);
              break;
            }
        }
      }
  }

  long unit_, pixel_ = 1, margin_ = 0, x0_ = 0, y0_ = 0, w_ = 0, h_ = 0;
  std::map<int, std::vector<unsigned char>> layers_;
  std::map<int, std::vector<int>> pieces_;
};

// The violations of `rects`, at most a couple of dozen, described.
inline std::vector<std::string> RCcheck(const std::vector<RCrect>& rects, long ruleUnit) {
  RCraster raster(rects, ruleUnit);
  return raster.violations();
}
