// Generated CMOS arrays, flat and hierarchical: the union area of every layer
// of the flattened top must equal the area the generator computed on its own
// lambda grid (written into the file as "(area LAYER N);" comments).
#include <unistd.h>

#include <algorithm>
#include <map>
#include <regex>
#include <sstream>

#include "cif_fixture.h"
#include "support/layout_generator.h"
#include "support/run_program.h"

namespace {
std::string generate(const std::string& options) {
  std::string out = std::string(CORVID_BINARY_DIR) + "/gen_" + std::to_string(getpid()) + ".cif";
  std::istringstream words(options);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);
  EXPECT_TRUE(CVgenerateLayout(args, out)) << options;
  std::string text = CVreadFile(out);
  remove(out.c_str());
  return text;
}

// Union area of rectangles by a sweep over x with coordinate compression in y.
long unionArea(std::vector<_rects> rs) {
  std::vector<long> ys;
  for (const _rects& r : rs) ys.push_back(r.y1), ys.push_back(r.y2);
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  struct Event {
    long x;
    int delta;
    size_t lo, hi;
  };
  std::vector<Event> events;
  for (const _rects& r : rs) {
    size_t lo = std::lower_bound(ys.begin(), ys.end(), r.y1) - ys.begin();
    size_t hi = std::lower_bound(ys.begin(), ys.end(), r.y2) - ys.begin();
    events.push_back({r.x1, 1, lo, hi});
    events.push_back({r.x2, -1, lo, hi});
  }
  std::sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.x < b.x; });
  std::vector<int> cover(ys.size(), 0);
  long area = 0, covered = 0, lastX = events.empty() ? 0 : events[0].x;
  for (const Event& e : events) {
    area += covered * (e.x - lastX);
    lastX = e.x;
    for (size_t i = e.lo; i < e.hi; ++i) {
      int before = cover[i];
      cover[i] += e.delta;
      if (before == 0 && cover[i] > 0) covered += ys[i + 1] - ys[i];
      if (before > 0 && cover[i] == 0) covered -= ys[i + 1] - ys[i];
    }
  }
  return area;
}

std::map<std::string, long> expectedAreas(const std::string& text) {
  std::map<std::string, long> m;
  std::regex area(R"(\(area (\w+) (\d+)\))");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), area); it != std::sregex_iterator(); ++it)
    m[(*it)[1]] = std::stol((*it)[2]);
  return m;
}
}  // namespace

using Generated = CifTest;

TEST_F(Generated, FlattenedAreaMatchesTheGeneratorFlatAndHierarchical) {
  for (const char* options : {"--rows 3 --cols 4", "--rows 3 --cols 4 --flat", "--rects 3000", "--rects 3000 --flat"}) {
    std::string text = generate(options);
    std::map<std::string, long> want = expectedAreas(text);
    ASSERT_EQ(want.size(), 10u) << options;
    ASSERT_EQ(quiet(text), 0) << options;
    ASSERT_EQ(GCflatten(), 1);
    EXPECT_EQ(AC_initial_halfscale_error, 0) << "every generated box is on the quarter grid";
    for (auto& [layer, cifArea] : want) {
      // One CIF unit is 4 internal units: areas scale by 16.
      EXPECT_EQ(unionArea(rects(Gflatten, layer.c_str())), cifArea * 16) << options << " " << layer;
    }
  }
}
