// The graph back end end to end on layouts drawn to the built-in rules: the
// written sq_out.cif loads again, extracts to the same circuit, breaks no
// rule of the tables, and is no larger than the input in either direction.
#include <array>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "batch/batch_startup.h"
#include "compact/resizer_stores.h"
#include "compact/sweep.h"
#include "cs/cs.h"
#include "designrule/designrule.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "interface/accept.h"
#include "squeeze/sq_resize.h"
#include "squeeze/squeeze_fixture.h"
#include "support/circuit_layouts.h"
#include "support/layout_generator.h"
#include "support/rule_checker.h"
#include "techc/tech.h"

namespace {

// CvLayout geometry at 50 CIF units a lambda, the pitch at which its
// enclosures and spacings meet the built-in rules.
std::string cifAtLambda(const CvLayout& l, long lambda) {
  std::ostringstream out;
  out << "DS 1 1 1;\n9 generated;\n";
  for (const CvLayout::Rect& r : l.rects)
    out << "L " << r.layer << ";\nB " << (r.x2 - r.x1) * lambda << " " << (r.y2 - r.y1) * lambda << " "
        << (r.x1 + r.x2) * lambda / 2 << " " << (r.y1 + r.y2) * lambda / 2 << ";\n";
  out << "DF;\nC 1;\nE\n";
  return out.str();
}

// Boxes of a CIF file written with "DS 1 A B;" around "L" and "B" lines.
std::vector<RCrect> readBoxes(const std::string& path) {
  std::ifstream in(path);
  std::string word, layer;
  double a = 1, b = 1;
  std::vector<RCrect> rects;
  while (in >> word) {
    if (word == "DS") {
      int n;
      in >> n >> a >> b;
    } else if (word == "L") {
      in >> layer;
      layer.pop_back();  // ';'
    } else if (word == "B") {
      double w, h, cx, cy;
      char semi;
      in >> w >> h >> cx >> cy >> semi;
      const double f = a / b * 4;  // CIF units to layout units (SCALE 40, 0.1 per CIF unit)
      rects.push_back({DTlayerIndex(layer.c_str()), std::lround((cx - w / 2) * f), std::lround((cy - h / 2) * f),
                       std::lround((cx + w / 2) * f), std::lround((cy + h / 2) * f)});
    }
  }
  return rects;
}

struct Extent {
  long width, height;
};
Extent extentOf(const std::vector<RCrect>& rects) {
  long x1 = rects.at(0).x1, y1 = rects[0].y1, x2 = rects[0].x2, y2 = rects[0].y2;
  for (const RCrect& r : rects)
    x1 = std::min(x1, r.x1), y1 = std::min(y1, r.y1), x2 = std::max(x2, r.x2), y2 = std::max(y2, r.y2);
  return {x2 - x1, y2 - y1};
}

// The circuit up to renaming: colours of transistors and nets refined from
// their type and the ports they meet (source and drain alike), compared as
// multisets.
std::multiset<long> circuitShape() {
  std::vector<std::array<long, 4>> ts;  // type, gate, source, drain
  for (int e = 0; e < DelementNum; ++e)
    for (const _Dtransistor* t = Transistors[e]; t; t = t->next) ts.push_back({t->type, t->gate, t->source, t->drain});
  std::map<long, long> net;
  for (auto& t : ts)
    for (int p = 1; p < 4; ++p) net[t[static_cast<size_t>(p)]] = 1;
  std::vector<long> tc(ts.size());
  for (size_t i = 0; i < ts.size(); ++i) tc[i] = ts[i][0] + 7;
  for (int round = 0; round < 6; ++round) {
    std::map<long, long> next;
    for (auto& [n, c] : net) next[n] = c * 1000003;
    for (size_t i = 0; i < ts.size(); ++i) {
      next[ts[i][1]] += tc[i] * 31 + 1;
      next[ts[i][2]] += tc[i] * 37 + 2;
      next[ts[i][3]] += tc[i] * 37 + 2;
    }
    for (size_t i = 0; i < ts.size(); ++i) {
      const long s = net[ts[i][2]], d = net[ts[i][3]];
      tc[i] = (tc[i] * 17 + net[ts[i][1]] * 101 + std::min(s, d) * 7 + std::max(s, d) * 13) % 1000000007;
    }
    for (auto& [n, c] : next) c %= 1000000007;
    net = next;
  }
  std::multiset<long> shape(tc.begin(), tc.end());
  for (auto& [n, c] : net) shape.insert(-c);
  return shape;
}

void load(const std::string& cif) {
  CSreset();
  DExInit();
  DIacceptCB(12, cif.c_str());
}

class SqueezePipelineTest : public SqueezeTest {
 protected:
  // Loads `cif`, runs the graph back end, and checks sq_out.cif; returns the
  // input and output extents.
  std::pair<Extent, Extent> compact(const std::string& cif, int placement) {
    BAstartup();
    DRreset();
    load(cif);
    EXPECT_GT(TransNum, 0) << cif;
    const auto before = circuitShape();
    const auto input = readBoxes(cif);
    EXPECT_EQ(RCcheck(input, theGlobalScale), std::vector<std::string>()) << cif << " is not drawn to the rules";

    init_staff();
    scan_toget_variables();
    COMPACT_ALGORITHM = 1;
    PROCESS_INCLUDE_SYMMETRY = 0;
    PROCESS_INCLUDE_RESIZING = 0;
    PROCESS_INCLUDE_WLM = placement;
    testing::internal::CaptureStdout();
    const bool written = SQ_resize(scan_queue, equat_bucket, scan_queue_y, equat_bucket_y, 1);
    const std::string log = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(written) << log.substr(0, 2000);
    EXPECT_TRUE(exists("resize_report/sq_out.cif") && exists("resize_report/sq_out.comment"));
    EXPECT_FALSE(exists("sq_out.comment") || exists("sq_out.cif.partial"));
    for (const char* dump : {"sq_lr01", "sq_tb01", "sq_lr03", "sq_tb05"})
      EXPECT_TRUE(exists(std::string("resize_report/") + dump + ".dat")) << dump;

    const auto output = readBoxes("sq_out.cif");
    EXPECT_EQ(RCcheck(output, theGlobalScale), std::vector<std::string>()) << cif;
    load("sq_out.cif");
    EXPECT_EQ(circuitShape(), before) << cif << ": the circuit changed";
    return {extentOf(input), extentOf(output)};
  }
};

TEST_F(SqueezePipelineTest, GeneratedCellsComeOutCleanSameCircuitAndNoLarger) {
  struct Case {
    const char* name;
    std::string cif;
    int placement;
  };
  CvLayout pair, apart;
  pair.diffPairMirror();
  apart.inverter(0, 0);
  apart.inverter(70, 0);
  std::vector<Case> cases = {{"diffpair.cif", cifAtLambda(pair, 50), 1}, {"apart.cif", cifAtLambda(apart, 50), 3}};
  for (Case& c : cases) {
    std::ofstream(c.name) << c.cif;
  }
  ASSERT_TRUE(CVgenerateLayout({"--rows", "1", "--cols", "1", "--flat"}, "inverter.cif"));
  ASSERT_TRUE(CVgenerateLayout({"--rows", "1", "--cols", "5", "--flat"}, "row.cif"));
  cases.push_back({"inverter.cif", "", 1});
  cases.push_back({"row.cif", "", 2});
  for (const Case& c : cases) {
    auto [in, out] = compact(c.name, c.placement);
    EXPECT_LE(out.width, in.width) << c.name;
    EXPECT_LE(out.height, in.height) << c.name;
    if (std::string(c.name) == "apart.cif") {
      EXPECT_LT(out.width * 10, in.width * 7) << "far-apart pair not narrower";
    }
  }
}

}  // namespace
