// Failure density, probability of failure and yield curve against a separate
// computation of the formulas (yield_formulas.h, double precision).
#include <cmath>
#include <string>
#include <vector>

#include "display/viewport.h"
#include "yield/critical_area.h"
#include "yield/plot_commands.h"
#include "yield/sensitivity_sweep.h"
#include "yield/yield_fixture.h"
#include "yield/yield_formulas.h"
#include "yield/yield_model.h"

TEST_F(YieldTest, PofIsTheTrapezoidOfTheFailureDensity) {
  struct Case {
    float X0, D0;
    std::vector<std::pair<float, float>> points;
  };
  const Case cases[] = {
      {1.5f, 20.0f, {{1.0f, 0.05f}, {2.0f, 0.2f}, {3.0f, 0.4f}, {4.5f, 0.7f}, {6.0f, 0.9f}}},
      {1.0f, 10.0f, {{2.0f, 0.5f}}},  // a single point has no area under it
  };
  for (const Case& c : cases) {
    activate("CMF", c.X0, c.D0, 0.9f, 2.0f);
    Fsensitivity = {};
    std::vector<double> xs, fs;
    for (auto [x, y] : c.points) {
      DYappend(&Fsensitivity, x, y);
      xs.push_back(x);
      fs.push_back(failure(x, y, c.X0, c.D0));
    }
    testing::internal::CaptureStdout();
    ASSERT_EQ(DYpof(), 1);
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_EQ(FpofFailure.n, static_cast<int>(fs.size()));
    for (size_t i = 0; i < fs.size(); ++i) EXPECT_NEAR(FpofFailure.y[i], fs[i], 1e-5 * fs[i]);
    const double pof = trapezoid(xs, fs);
    EXPECT_NEAR(DYlastPof(), pof, 1e-5 * pof);
    char expected[64];
    snprintf(expected, sizeof expected, "Possibility of failure: %4f.\n", pof);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(PopupWhat, DY_PLOT_POF);
  }
}

TEST_F(YieldTest, RefusedCommandsSayWhatIsMissingAndOpenNoPlot) {
  struct Case {
    const char* active;  // layer made active first, or null
    int (*command)();
    const char* message;
  };
  const Case cases[] = {
      {nullptr, DYpof, "Warning: No active layer, select one."},
      {nullptr, DYyx, "Warning: Select an active layer first."},
      {nullptr, DYdx, "Warning: No active layer, select one."},
      {nullptr, DYCarea, "Warning: No data available to view the layout sensitivity."},
      {"CPG", DYpof, "Warning: No data available to view the POF."},
      {"CPG", DYyx, "Warning: Please analyse the layout sensitivity first."},
      {"CMF", DYanaShort, "Warning: Do circuit extraction first."},
      {"CMF", DYanaOpen, "Warning: Do circuit extraction first."},
      {"CMF", DYcritCompS, "Warning: Do circuit extraction first."},
      {"CMF", DYcritCompO, "Warning: Do circuit extraction first."},
  };
  for (const Case& c : cases) {
    if (c.active) activate(c.active, 1.0f, 10.0f, 1.0f, 1.0f);
    GCresetMessages();
    EXPECT_EQ(c.command(), 0) << c.message;
    EXPECT_STREQ(GClastMessage(), c.message);
  }
  EXPECT_EQ(PopupWhat, DY_PLOT_NONE);
  EXPECT_EQ(PopupWindowIsThere, 0) << "no plot window for a refused command";
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
