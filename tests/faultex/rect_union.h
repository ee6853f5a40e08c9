// An independent model of critical areas for the fault tests: rectangles
// labelled with net sets, unioned by coordinate compression, giving the area
// covered by each distinct union of labels.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <vector>

struct LabelledRect {
  long x1, y1, x2, y2;
  std::set<long> nets;
};

// For every elementary cell, the union of the labels of the rectangles that
// cover it; the area of each union that has at least two nets.
inline std::map<std::set<long>, long double> unionAreas(const std::vector<LabelledRect>& rects) {
  std::vector<long> xs, ys;
  for (const LabelledRect& r : rects) {
    xs.push_back(r.x1), xs.push_back(r.x2);
    ys.push_back(r.y1), ys.push_back(r.y2);
  }
  std::sort(xs.begin(), xs.end());
  xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  std::map<std::set<long>, long double> areas;
  for (size_t i = 0; i + 1 < xs.size(); ++i)
    for (size_t j = 0; j + 1 < ys.size(); ++j) {
      std::set<long> nets;
      for (const LabelledRect& r : rects)
        if (r.x1 <= xs[i] && xs[i + 1] <= r.x2 && r.y1 <= ys[j] && ys[j + 1] <= r.y2)
          nets.insert(r.nets.begin(), r.nets.end());
      if (nets.size() >= 2)
        areas[nets] += static_cast<long double>(xs[i + 1] - xs[i]) * static_cast<long double>(ys[j + 1] - ys[j]);
    }
  return areas;
}
