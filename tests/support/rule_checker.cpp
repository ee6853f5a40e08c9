#include "support/rule_checker.h"

#include <algorithm>
#include <map>

#include "common/layout.h"
#include "common/scale.h"
#include "designrule/designrule.h"
#include "techc/tech.h"

namespace {

struct Grid {
  std::vector<long> xs, ys;
  std::map<int, std::vector<char>> cover;  // layer number -> cell covered
  int nx = 0, ny = 0;
  bool at(int layer, int i, int j) const {
    auto it = cover.find(layer);
    return it != cover.end() && it->second[static_cast<size_t>(j) * nx + i];
  }
};

struct Run {
  long lo, hi;
};

// Runs of `layer` along row j (x) or column i (y).
std::vector<Run> runs(const Grid& g, int layer, bool alongX, int line) {
  std::vector<Run> out;
  const std::vector<long>& c = alongX ? g.xs : g.ys;
  const int n = alongX ? g.nx : g.ny;
  for (int k = 0; k < n; ++k) {
    bool on = alongX ? g.at(layer, k, line) : g.at(layer, line, k);
    if (!on) continue;
    if (!out.empty() && out.back().hi == c[k])
      out.back().hi = c[k + 1];
    else
      out.push_back({c[k], c[k + 1]});
  }
  return out;
}

}  // namespace

std::vector<std::string> CVruleViolations(const std::vector<CVrect>& rects) {
  Grid g;
  for (const CVrect& r : rects) {
    g.xs.push_back(r.x1), g.xs.push_back(r.x2), g.ys.push_back(r.y1), g.ys.push_back(r.y2);
  }
  for (auto* v : {&g.xs, &g.ys}) {
    std::sort(v->begin(), v->end());
    v->erase(std::unique(v->begin(), v->end()), v->end());
  }
  g.nx = std::max(0, static_cast<int>(g.xs.size()) - 1);
  g.ny = std::max(0, static_cast<int>(g.ys.size()) - 1);
  auto index = [](const std::vector<long>& v, long x) {
    return static_cast<int>(std::lower_bound(v.begin(), v.end(), x) - v.begin());
  };
  for (const CVrect& r : rects) {
    int layer = DTlayerIndex(r.layer.c_str());
    if (layer < 0) continue;
    auto& cells = g.cover[layer];
    cells.resize(static_cast<size_t>(g.nx) * g.ny, 0);
    for (int j = index(g.ys, r.y1); j < index(g.ys, r.y2); ++j)
      for (int i = index(g.xs, r.x1); i < index(g.xs, r.x2); ++i) cells[static_cast<size_t>(j) * g.nx + i] = 1;
  }

  std::vector<std::string> bad;
  const long unit = theGlobalScale;
  auto report = [&](const std::string& what, long have, long need, bool alongX, int line) {
    const std::vector<long>& c = alongX ? g.ys : g.xs;
    bad.push_back(what + " " + std::to_string(have) + " < " + std::to_string(need) + " at " +
                  (alongX ? "y " : "x ") + std::to_string(c[line]) + ".." + std::to_string(c[line + 1]));
  };
  for (bool alongX : {true, false}) {
    const int lines = alongX ? g.ny : g.nx;
    for (int line = 0; line < lines; ++line) {
      std::map<int, std::vector<Run>> byLayer;
      for (auto& [layer, cells] : g.cover) byLayer[layer] = runs(g, layer, alongX, line);
      for (auto& [a, ra] : byLayer) {
        const std::string na = Glayers[a].name;
        if (WIDTH_VALID[a])
          for (const Run& r : ra)
            if (r.hi - r.lo < WIDTH[a] * unit) report("width " + na, r.hi - r.lo, WIDTH[a] * unit, alongX, line);
        for (auto& [b, rb] : byLayer) {
          const std::string nb = Glayers[b].name;
          if (SPACING_VALID[a][b]) {
            // From the end of a run of a to the start of the next run of b,
            // with no a or b in between.
            for (const Run& x : ra)
              for (const Run& y : rb) {
                if (y.lo <= x.hi) continue;
                bool between = false;
                for (const Run& z : ra) between |= z.lo < y.lo && z.hi > x.hi && &z != &x;
                for (const Run& z : rb) between |= z.lo < y.lo && z.hi > x.hi && &z != &y;
                if (!between && y.lo - x.hi < SPACING[a][b] * unit)
                  report("spacing " + na + "-" + nb, y.lo - x.hi, SPACING[a][b] * unit, alongX, line);
              }
          }
          if (EXTENSION_VALID[a][b] && a != b) {
            const long e = EXTENSION[a][b] * unit;  // a (outer) beyond b (inner)
            for (const Run& in : rb)
              for (const Run& out : ra) {
                if (out.lo <= in.lo && in.lo < out.hi && in.lo - out.lo < e)
                  report("enclosure " + na + "-" + nb, in.lo - out.lo, e, alongX, line);
                if (out.lo < in.hi && in.hi <= out.hi && out.hi - in.hi < e)
                  report("enclosure " + na + "-" + nb, out.hi - in.hi, e, alongX, line);
              }
          }
        }
      }
    }
  }
  std::sort(bad.begin(), bad.end());
  bad.erase(std::unique(bad.begin(), bad.end()), bad.end());
  return bad;
}

std::vector<CVrect> CVflatRectangles() {
  std::vector<CVrect> rects;
  if (!Gflatten) return rects;
  for (int l = 0; l < GC_MAX_SLOTS && l < GlayerNum; ++l) {
    _symbol* s = Gflatten->symbol[l];
    if (!s) continue;
    for (_rects* r = s->rect; r; r = r->next) rects.push_back({Glayers[l].name, r->x1, r->y1, r->x2, r->y2});
  }
  return rects;
}

CVrect CVboundingBox(const std::vector<CVrect>& rects) {
  CVrect box{"", 0, 0, 0, 0};
  for (size_t i = 0; i < rects.size(); ++i) {
    const CVrect& r = rects[i];
    if (i == 0) box = {"", r.x1, r.y1, r.x2, r.y2};
    box.x1 = std::min(box.x1, r.x1), box.y1 = std::min(box.y1, r.y1);
    box.x2 = std::max(box.x2, r.x2), box.y2 = std::max(box.y2, r.y2);
  }
  return box;
}
