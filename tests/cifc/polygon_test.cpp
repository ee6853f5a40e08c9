// Polygon to rectangles and wire outlines, checked against rasterised models.
#include <map>
#include <random>
#include <set>

#include "cif_fixture.h"
#include "common/memory.h"
#include "common/polygon.h"

namespace {
using Cell = std::pair<long, long>;

_points* pointList(const std::vector<std::pair<long, long>>& v) {
  _points* head = nullptr;
  _points** tail = &head;
  for (auto [x, y] : v) {
    _points* p = GCnew<_points>();
    p->x = x;
    p->y = y;
    *tail = p;
    tail = &p->next;
  }
  return head;
}

std::vector<std::pair<long, long>> toVector(const _points* p) {
  std::vector<std::pair<long, long>> v;
  for (; p; p = p->next) v.push_back({p->x, p->y});
  return v;
}

std::vector<_rects> convert(const std::vector<std::pair<long, long>>& vertices) {
  _polys poly{pointList(vertices), nullptr};
  _rects* list = GCpoly2rects(&poly);
  std::vector<_rects> out;
  while (list) {
    out.push_back(*list);
    _rects* next = list->next;
    list->next = nullptr;
    GCfreeRect(list);
    list = next;
  }
  GCfreePoints(poly.points);
  return out;
}

// Unit cells (of size `unit`) covered by the rectangles, counting multiplicity.
std::map<Cell, int> raster(const std::vector<_rects>& rs, long unit) {
  std::map<Cell, int> m;
  for (const _rects& r : rs) {
    EXPECT_LT(r.x1, r.x2);
    EXPECT_LT(r.y1, r.y2);
    EXPECT_EQ(r.x1 % unit, 0);
    EXPECT_EQ(r.y2 % unit, 0);
    for (long x = r.x1 / unit; x < r.x2 / unit; ++x)
      for (long y = r.y1 / unit; y < r.y2 / unit; ++y) ++m[{x, y}];
  }
  return m;
}

// A random hole-free polyomino on an n x n grid.
std::set<Cell> polyomino(std::mt19937& rng, int n, int cells) {
  std::set<Cell> s{{n / 2, n / 2}};
  auto holeFree = [&](const std::set<Cell>& t) {
    std::set<Cell> seen;
    std::vector<Cell> todo{{-1, -1}};
    seen.insert({-1, -1});
    while (!todo.empty()) {
      Cell c = todo.back();
      todo.pop_back();
      const long d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      for (auto& e : d) {
        Cell m{c.first + e[0], c.second + e[1]};
        if (m.first < -1 || m.second < -1 || m.first > n || m.second > n) continue;
        if (t.count(m) || seen.count(m)) continue;
        seen.insert(m);
        todo.push_back(m);
      }
    }
    return static_cast<long>(seen.size() + t.size()) == static_cast<long>(n + 2) * (n + 2);
  };
  int tries = 0;
  while (static_cast<int>(s.size()) < cells && ++tries < cells * 50) {
    auto it = s.begin();
    std::advance(it, std::uniform_int_distribution<int>(0, static_cast<int>(s.size()) - 1)(rng));
    const long d[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    auto& e = d[rng() % 4];
    Cell m{it->first + e[0], it->second + e[1]};
    if (m.first < 0 || m.second < 0 || m.first >= n || m.second >= n || s.count(m)) continue;
    std::set<Cell> t = s;
    t.insert(m);
    if (holeFree(t)) s = t;
  }
  return s;
}

// Its outline, counter-clockwise, collinear vertices removed.
std::vector<std::pair<long, long>> outline(const std::set<Cell>& s) {
  // Directed unit edges with the inside on the left.
  std::map<Cell, Cell> next;
  for (auto [x, y] : s) {
    if (!s.count({x, y - 1})) next[{x, y}] = {x + 1, y};
    if (!s.count({x + 1, y})) next[{x + 1, y}] = {x + 1, y + 1};
    if (!s.count({x, y + 1})) next[{x + 1, y + 1}] = {x, y + 1};
    if (!s.count({x - 1, y})) next[{x, y + 1}] = {x, y};
  }
  std::vector<Cell> ring;
  Cell start = next.begin()->first, at = start;
  do {
    ring.push_back(at);
    at = next[at];
  } while (at != start && ring.size() <= next.size());
  std::vector<std::pair<long, long>> v;
  size_t n = ring.size();
  for (size_t i = 0; i < n; ++i) {
    Cell a = ring[(i + n - 1) % n], b = ring[i], c = ring[(i + 1) % n];
    bool straight = (a.first == b.first && b.first == c.first) || (a.second == b.second && b.second == c.second);
    if (!straight) v.push_back(b);
  }
  return v;
}
}  // namespace

using Polygon = CifTest;

TEST_F(Polygon, RectangleInEitherOrientationAndAnLShape) {
  // Either orientation, and with the closing vertex written out: one rectangle.
  EXPECT_EQ(convert({{0, 0}, {400, 0}, {400, 200}, {0, 200}}), (std::vector<_rects>{R(0, 0, 400, 200)}));
  EXPECT_EQ(convert({{0, 0}, {0, 200}, {400, 200}, {400, 0}, {0, 0}}), (std::vector<_rects>{R(0, 0, 400, 200)}));
  std::vector<_rects> r = convert({{0, 0}, {200, 0}, {200, 100}, {100, 100}, {100, 200}, {0, 200}});
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(raster(r, 100), (std::map<Cell, int>{{{0, 0}, 1}, {{1, 0}, 1}, {{0, 1}, 1}}));
}

TEST_F(Polygon, DiagonalEdgeGetsACornerInserted) {
  _points* p = pointList({{0, 0}, {100, 100}, {200, 100}, {200, 0}});
  EXPECT_EQ(GCorthPoly(p), 1);
  EXPECT_STREQ(GClastMessage(), "Message: 1 points have been inserted in the processing poly.");
  EXPECT_EQ(toVector(p), (std::vector<std::pair<long, long>>{{0, 0}, {0, 100}, {100, 100}, {200, 100}, {200, 0}}));
  GCfreePoints(p);
  // Steps smaller than the tolerance are not diagonal.
  p = pointList({{0, 0}, {9, 100}, {100, 100}});
  GCresetMessages();
  EXPECT_EQ(GCorthPoly(p), 0);
  EXPECT_STREQ(GClastMessage(), "");
  GCfreePoints(p);
}

TEST_F(Polygon, RandomRectilinearPolygonsAreCoveredExactlyOnce) {
  std::mt19937 rng(12345);
  const long unit = 100;
  for (int round = 0; round < 300; ++round) {
    std::set<Cell> shape = polyomino(rng, 12, 3 + round % 60);
    std::vector<std::pair<long, long>> v = outline(shape);
    for (auto& [x, y] : v) x *= unit, y *= unit;
    if (round % 2) std::reverse(v.begin(), v.end());
    std::map<Cell, int> got = raster(convert(v), unit);
    std::map<Cell, int> want;
    for (const Cell& c : shape) want[c] = 1;
    std::string vs;
    for (auto [x, y] : v) vs += '(' + std::to_string(x) + ',' + std::to_string(y) + ')';
    ASSERT_EQ(got, want) << "round " << round << ": " << vs;
  }
}

TEST_F(Polygon, WireOutlineAndItsLimits) {
  _points* c = pointList({{0, 0}, {100, 0}});
  _polys* p = GCpath2poly(c, 10);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(toVector(p->points), (std::vector<std::pair<long, long>>{{-5, 5}, {105, 5}, {105, -5}, {-5, -5}}));
  GCfreePoly(p);
  GCfreePoints(c);
  // A single vertex is a square; width below 1 or no vertices give nothing.
  c = pointList({{10, 10}, {10, 10}});
  p = GCpath2poly(c, 21);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(toVector(p->points), (std::vector<std::pair<long, long>>{{0, 0}, {0, 20}, {20, 20}, {20, 0}}));
  GCfreePoly(p);
  EXPECT_EQ(GCpath2poly(c, 0), nullptr);
  EXPECT_EQ(GCpath2poly(nullptr, 10), nullptr);
  GCfreePoints(c);
  std::vector<std::pair<long, long>> v;
  for (long i = 0; i < 513; ++i) v.push_back({i * 100, (i % 2) * 100});
  c = pointList(v);
  EXPECT_EQ(GCpath2poly(c, 20), nullptr);
  EXPECT_STREQ(GClastMessage(), "Error: Too many points in a path.");
  GCfreePoints(c);
}

TEST_F(Polygon, BentWireCoversBothLegsWithAMitredCorner) {
  _points* c = pointList({{0, 0}, {1000, 0}, {1000, 1000}, {1000, 2000}});
  _polys* p = GCpath2poly(c, 200);
  ASSERT_NE(p, nullptr);
  std::map<Cell, int> got = raster(convert(toVector(p->points)), 100);
  std::map<Cell, int> want;
  for (long x = -1; x < 11; ++x) want[{x, -1}] = 1, want[{x, 0}] = 1;  // (-100,-100)-(1100,100)
  for (long y = 1; y < 21; ++y) want[{9, y}] = 1, want[{10, y}] = 1;   // (900,100)-(1100,2100)
  EXPECT_EQ(got, want);
  GCfreePoly(p);
  GCfreePoints(c);
}
