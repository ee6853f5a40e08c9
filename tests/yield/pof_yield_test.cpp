// Failure density, probability of failure and yield curve against a separate
// computation of the formulas (yield_formulas.h, double precision).
#include <cmath>
#include <string>
#include <vector>

#include "display/cairo_canvas.h"
#include "view/viewport.h"
#include "yield/plot.h"
#include "yield/plot_commands.h"
#include "yield/yield_fixture.h"
#include "yield/yield_formulas.h"
#include "yield/yield_model.h"

TEST_F(YieldTest, PofIsTheTrapezoidOfTheFailureDensity) {
  activate("CMF", 1.5f, 20.0f, 0.9f, 2.0f);
  sensitivity({{1.0f, 0.05f}, {2.0f, 0.2f}, {3.0f, 0.4f}, {4.5f, 0.7f}, {6.0f, 0.9f}});
  testing::internal::CaptureStdout();
  ASSERT_EQ(DYpof(), 1);
  std::string out = testing::internal::GetCapturedStdout();
  std::vector<double> xs, fs;
  for (int i = 0; i < Fsensitivity.n; ++i) {
    xs.push_back(Fsensitivity.x[i]);
    fs.push_back(failure(Fsensitivity.x[i], Fsensitivity.y[i], 1.5, 20.0));
  }
  ASSERT_EQ(FpofFailure.n, 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(FpofFailure.x[i], Fsensitivity.x[i]);
    EXPECT_NEAR(FpofFailure.y[i], fs[i], 1e-5 * fs[i]);
  }
  double pof = trapezoid(xs, fs);
  EXPECT_NEAR(DYlastPof(), pof, 1e-5 * pof);
  char expected[64];
  snprintf(expected, sizeof expected, "Possibility of failure: %4f.\n", pof);
  EXPECT_EQ(out, expected);
  EXPECT_EQ(PopupWhat, DY_PLOT_POF);
}

TEST_F(YieldTest, SinglePointGivesZeroPof) {
  activate("CMF", 1.0f, 10.0f, 1.0f, 1.0f);
  sensitivity({{2.0f, 0.5f}});
  testing::internal::CaptureStdout();
  ASSERT_EQ(DYpof(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Possibility of failure: 0.000000.\n");
  EXPECT_EQ(DYlastPof(), 0.0);
}

TEST_F(YieldTest, PreconditionsOfPofYieldAndPlots) {
  EXPECT_EQ(DYpof(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No active layer, select one.");
  EXPECT_EQ(DYyx(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: Select an active layer first.");
  EXPECT_EQ(DYdx(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No active layer, select one.");
  EXPECT_EQ(DYCarea(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No data available to view the layout sensitivity.");
  activate("CPG", 1.0f, 10.0f, 1.0f, 1.0f);
  EXPECT_EQ(DYpof(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: No data available to view the POF.");
  EXPECT_EQ(DYyx(), 0);
  EXPECT_STREQ(GClastMessage(), "Warning: Please analyse the layout sensitivity first.");
  EXPECT_EQ(PopupWhat, DY_PLOT_NONE);
  EXPECT_EQ(PopupWindowIsThere, 0) << "no plot window for a refused command";
}

TEST_F(YieldTest, YieldCurveHasTwentyDefaultPointsMatchingTheModel) {
  activate("CMF", 1.0f, 10.0f, 0.95f, 1.5f);
  frame(0, 0, 4000 * theGlobalScale / 40, 2500 * theGlobalScale / 40);  // 100 x 62.5 microns
  sensitivity({{1.0f, 0.01f}, {2.0f, 0.1f}, {3.0f, 0.3f}, {5.0f, 0.6f}, {8.0f, 0.9f}});
  ASSERT_EQ(DYyx(), 1);
  ASSERT_EQ(Fyield.n, 20);
  double area = (4000.0 / 40) * (2500.0 / 40);
  std::vector<double> xs, fs;
  for (int i = 0; i < Fsensitivity.n; ++i) {
    xs.push_back(Fsensitivity.x[i]);
    fs.push_back(failure(Fsensitivity.x[i], Fsensitivity.y[i], 1.0, 10.0));
  }
  double theta = trapezoid(xs, fs);
  for (int i = 0; i < 20; ++i) {
    double D = 100.0 * (i + 1);
    EXPECT_FLOAT_EQ(Fyield.x[i], static_cast<float>(D));
    double Y = clusteredYield(D, area, theta, 0.95, 1.5);
    EXPECT_NEAR(Fyield.y[i], Y, 1e-5) << "D = " << D;
  }
  EXPECT_GT(Fyield.y[0], Fyield.y[19]) << "yield falls with density";
  EXPECT_EQ(PopupWhat, DY_PLOT_YIELD);
}

TEST_F(YieldTest, YieldDensityRangeFollowsTheFormsAndStopsAtTheSeriesSize) {
  activate("CMF", 1.0f, 10.0f, 1.0f, 1.0f);
  sensitivity({{1.0f, 0.1f}, {2.0f, 0.2f}});
  Fdensity[0] = 50.0f, Fdensity[1] = 200.0f, Fdensity[2] = 50.0f;
  ASSERT_EQ(DYyx(), 1);
  EXPECT_EQ(Fyield.n, 4);
  EXPECT_FLOAT_EQ(Fyield.x[3], 200.0f);
  Fdensity[0] = 1.0f, Fdensity[1] = 1000.0f, Fdensity[2] = 1.0f;
  ASSERT_EQ(DYyx(), 1);
  EXPECT_EQ(Fyield.n, DY_MAXPOINTS);
  EXPECT_STREQ(GClastMessage(), "Error: Iteration out of bounds, stopped.");
  EXPECT_EQ(Fyield.y[0], 1.0f) << "no layout area: nothing fails";
}

TEST_F(YieldTest, SizeDistributionRisesToX0ThenFallsWithTheCube) {
  EXPECT_FLOAT_EQ(DYsizeDistribution(0.0f, 2.0f, 8.0f), 0.0f);
  EXPECT_FLOAT_EQ(DYsizeDistribution(1.0f, 2.0f, 8.0f), 8.0f * 1 / 4);
  EXPECT_FLOAT_EQ(DYsizeDistribution(2.0f, 2.0f, 8.0f), 4.0f);  // the peak D0 / X0
  EXPECT_FLOAT_EQ(DYsizeDistribution(4.0f, 2.0f, 8.0f), 8.0f * 4 / 64);
  EXPECT_EQ(DYcurArea(nullptr, nullptr, 0), 0.0);
}

TEST_F(YieldTest, LayoutAreaIsTheFrameInSquareMicrons) {
  EXPECT_EQ(DYlayoutArea(), 0.0f);
  frame(-2 * theGlobalScale, 0, 8 * theGlobalScale, 3 * theGlobalScale);
  EXPECT_FLOAT_EQ(DYlayoutArea(), 30.0f);
  EXPECT_FLOAT_EQ(DYsensitivity(1.0f, 45.0f, 90.0f), 0.5f);
}

TEST_F(YieldTest, PlotMapsTheAxesIntoTheDivisionMargins) {
  long px, py;
  DYmapXY(10.0f, 1.0f, 10, 10, 0.0f, 0.0f, &px, &py);
  EXPECT_EQ(px, 83);
  EXPECT_EQ(py, 83);
  DYmapXY(10.0f, 1.0f, 10, 10, 10.0f, 1.0f, &px, &py);
  EXPECT_EQ(px, 83 + 834);
  EXPECT_EQ(py, 83 + 834);
  DYmapXY(10.0f, 2.0f, 10, 10, 5.0f, 0.5f, &px, &py);
  EXPECT_EQ(px, 83 + 417);
  EXPECT_EQ(py, 83 + 208);
}
