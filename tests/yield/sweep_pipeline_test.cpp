// The sweeps on a layout loaded in one step (read, planes, extraction): the
// sensitivity at every defect size against the grown-net overlap model over
// the loaded plane's tiles, then the probability of failure and the yield on
// that series against the formulas; the window command's report.
#include <algorithm>
#include <cstdio>

#include "callback/layer_panel.h"
#include "common/defect_scale.h"
#include "common/message.h"
#include "common/scale.h"
#include "common/switches.h"
#include "extract/net.h"
#include "faultex/fault.h"
#include "faultex/fault_session.h"
#include "yield/critical_area.h"
#include "yield/plot_commands.h"
#include "yield/plot_files.h"
#include "yield/sensitivity_sweep.h"
#include "yield/series.h"
#include "yield/yield_formulas.h"
#include "yield/yield_model.h"

namespace {
class SweepPipeline : public ::testing::Test {
 protected:
  void SetUp() override {
    startFaultSession();
    Silently = 1;
    DYsetPlotFiles(DY_FILES_OFF);
    CvLayout chain;
    chain.inverterChain(4);
    loadLayout(chain, "chain");
    char cmf[] = "CMF";
    DIsetActive(nullptr, cmf, nullptr);
    plane = planeNamed("CMF");
    ASSERT_GE(plane, 0);
    ASSERT_EQ(DFactiveIndex(), plane);
    _layerDef& l = Glayers[DTlayerIndex("CMF")];
    l.X0 = 2.0f, l.D0 = 30.0f, l.Y0 = 0.9f, l.alfa = 2.0f;
    theMinDefectSize = theGlobalScale;
    theMaxDefectSize = 10 * theGlobalScale;
    theStep = theGlobalScale;
  }
  // Square microns where tiles of at least two different nets of the plane,
  // grown by half the defect size, overlap.
  double bridgeModel(long d) const {
    std::vector<LabelledRect> tiles;
    for (const NetTile& t : netTiles(plane)) tiles.push_back({t.x1, t.y1, t.x2, t.y2, {t.net}});
    const double g = static_cast<double>(theGlobalScale);
    return bridgeArea(tiles, d) / (g * g);
  }
  // The layout area from plane 0's frame, square microns.
  static double layoutArea() {
    const _box& f = DlayerTile[0].frame;
    const double g = static_cast<double>(theGlobalScale);
    return (f.x2 - f.x1) / g * ((f.y2 - f.y1) / g);
  }
  int plane = -1;
};
}  // namespace

TEST_F(SweepPipeline, ShortSweepIsTheOverlapFractionAndFeedsPofAndYield) {
  testing::internal::CaptureStdout();
  ASSERT_EQ(DYanaShort(), 1);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_STREQ(GClastMessage(), "Analyzing layout sensitivity for missing materials done.");
  EXPECT_EQ(CVcount(out, "Critical Area: "), 10u);
  EXPECT_EQ(DIscaleValue(), 100) << "the scale shows the last size, 10 microns";
  ASSERT_EQ(Fsensitivity.n, 10);
  const double area = layoutArea();
  ASSERT_GT(area, 0.0);
  std::vector<double> xs, fs;
  for (int i = 0; i < Fsensitivity.n; ++i) {
    const long d = (i + 1) * theGlobalScale;
    const double want = std::min(bridgeModel(d), area) / area;
    EXPECT_FLOAT_EQ(Fsensitivity.x[i], static_cast<float>(i + 1));
    EXPECT_NEAR(Fsensitivity.y[i], want, 1e-5) << "defect " << i + 1 << " microns";
    xs.push_back(Fsensitivity.x[i]);
    fs.push_back(failure(Fsensitivity.x[i], Fsensitivity.y[i], 2.0, 30.0));
  }
  EXPECT_GT(Fsensitivity.y[9], Fsensitivity.y[0]);

  testing::internal::CaptureStdout();
  ASSERT_EQ(DYpof(), 1);
  testing::internal::GetCapturedStdout();
  const double theta = trapezoid(xs, fs);
  EXPECT_NEAR(DYlastPof(), theta, 1e-5 * theta);
  ASSERT_EQ(DYyx(), 1);
  ASSERT_EQ(Fyield.n, 20);
  for (int i = 0; i < Fyield.n; ++i) {
    EXPECT_FLOAT_EQ(Fyield.x[i], 100.0f * (i + 1));
    EXPECT_NEAR(Fyield.y[i], clusteredYield(100.0 * (i + 1), area, theta, 0.9, 2.0), 1e-5) << i;
  }
  EXPECT_EQ(PopupWhat, DY_PLOT_YIELD);
}

TEST_F(SweepPipeline, OpenSweepGrowsWithTheDefectAndStopsAtTheSeriesSize) {
  ASSERT_EQ(DYanaOpen(), 1);
  EXPECT_STREQ(GClastMessage(), "Analyzing layout sensitivity for extra materials done.");
  ASSERT_EQ(Fsensitivity.n, 10);
  for (int i = 1; i < Fsensitivity.n; ++i) EXPECT_GE(Fsensitivity.y[i], Fsensitivity.y[i - 1]) << i;
  EXPECT_GT(Fsensitivity.y[9], 0.0f) << "a 10 micron defect cuts 4 micron wires";
  EXPECT_LE(Fsensitivity.y[9], 1.0f);

  // 101 sizes: the series keeps 100 and the sweep goes on to the end.
  theMinDefectSize = 1, theMaxDefectSize = 101, theStep = 1;
  testing::internal::CaptureStdout();
  ASSERT_EQ(DYanaShort(), 1);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(Fsensitivity.n, DY_MAXPOINTS);
  EXPECT_STREQ(GClastMessage(), "Analyzing layout sensitivity for missing materials done.");
}

TEST_F(SweepPipeline, WindowCommandsReportTheVisibleLayout) {
  DIsetScaleValue(30);  // 3 microns
  testing::internal::CaptureStdout();
  ASSERT_EQ(DYcritCompS(), 1);
  std::string out = testing::internal::GetCapturedStdout();
  const double area = layoutArea();
  const float crit = static_cast<float>(std::min(bridgeModel(3 * theGlobalScale), area));
  char line[64], report[256];
  snprintf(line, sizeof line, "Critical Area: %f\n", crit);
  EXPECT_EQ(out, line);
  snprintf(report, sizeof report,
           "Defect Size : 3.000 micron\n\t\tCritical Area : %0.3f micron x micron\n\t\tLayout Area : %0.3f "
           "micron x micron\n\t\tSensitivity : %0.3f.",
           crit, static_cast<float>(area), crit / static_cast<float>(area));
  EXPECT_STREQ(GClastMessage(), report);

  testing::internal::CaptureStdout();
  ASSERT_EQ(DYcritCompO(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "breaks print no critical-area line";
  EXPECT_EQ(std::string(GClastMessage()).rfind("Defect Size : 3.000 micron\n\t\tCritical Area : ", 0), 0u)
      << GClastMessage();
  EXPECT_EQ(Fsensitivity.n, 0) << "the window commands add no sweep points";
}
