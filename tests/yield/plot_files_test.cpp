// What the plot commands draw and the files they write beside it.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "display/cairo_canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "support/run_program.h"
#include "yield/plot.h"
#include "yield/plot_axis.h"
#include "yield/plot_commands.h"
#include "yield/yield_fixture.h"

namespace {
class PlotFilesTest : public YieldTest {
 protected:
  void SetUp() override {
    YieldTest::SetUp();
    ASSERT_EQ(chdir(CVscratchDir().c_str()), 0);
  }
  // Pixels of the pop-up image in the colour (0xRRGGBB).
  static int countColour(unsigned rgb) {
    auto* image = static_cast<GCcairoCanvas*>(Vpopup.canvas);
    int n = 0;
    for (int y = 0; y < image->height(); ++y)
      for (int x = 0; x < image->width(); ++x) n += image->pixelAt(x, y) == rgb;
    return n;
  }
};
constexpr unsigned YELLOW = 0xFFFF00, WHITE = 0xFFFFFF, RED = 0xFF0000, BROWN = 0xA52A2A;
}  // namespace

TEST_F(PlotFilesTest, SensitivityPlotWritesPngAndCsvAndIsRedrawnOnExposure) {
  DYsetPlotFiles(DY_FILES_PNG);
  sensitivity({{1.0f, 0.1f}, {2.5f, 0.35f}, {4.0f, 0.6f}, {10.0f, 1.0f}});
  ASSERT_EQ(DYCarea(), 1);
  EXPECT_EQ(PopupWindowIsThere, 1);
  EXPECT_EQ(PopupWhat, DY_PLOT_SENSITIVITY);
  EXPECT_GT(countColour(YELLOW), 50) << "the series is drawn in colour 6";
  std::string png = CVreadFile("sensitivity.png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(CVreadFile("sensitivity.csv"), "defect_size_grid,sensitivity\n1,0.100000001\n2.5,0.349999994\n4,0.600000024\n10,1\n");
  // An exposure redraws the last plot.
  GGclear(&Vpopup);
  ASSERT_EQ(countColour(YELLOW), 0);
  DIplotRedraw();
  EXPECT_GT(countColour(YELLOW), 50);
}

TEST_F(PlotFilesTest, SvgWhenAskedAndNothingWhenOff) {
  activate("CMF", 1.0f, 10.0f, 1.0f, 1.0f);
  DYsetPlotFiles(DY_FILES_SVG);
  ASSERT_EQ(DYdx(), 1);
  std::string svg = CVreadFile("defect_size.svg");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("defect_size.png"));
  std::string csv = CVreadFile("defect_size.csv");
  EXPECT_EQ(csv.rfind("defect_size_grid,defect_density\n0,0\n", 0), 0u) << "the curve starts at the origin";
  EXPECT_NE(csv.find("\n1,10\n"), std::string::npos) << "peak D0/X0 at X0";
  EXPECT_GT(countColour(RED), 20) << "the distribution is drawn in colour 3";
  DYsetPlotFiles(DY_FILES_OFF);
  sensitivity({{1.0f, 0.1f}, {2.0f, 0.2f}});
  ASSERT_EQ(DYpof(), 1);
  EXPECT_FALSE(std::filesystem::exists("pof.png"));
  EXPECT_FALSE(std::filesystem::exists("pof.csv"));
}

TEST_F(PlotFilesTest, PofAndYieldFilesAndColours) {
  DYsetPlotFiles(DY_FILES_PNG);
  activate("CMF", 1.0f, 10.0f, 1.0f, 1.0f);
  frame(0, 0, 200 * theGlobalScale, 200 * theGlobalScale);
  sensitivity({{1.0f, 0.05f}, {2.0f, 0.2f}, {3.0f, 0.4f}, {5.0f, 0.7f}});
  ::testing::internal::CaptureStdout();
  ASSERT_EQ(DYpof(), 1);
  ::testing::internal::GetCapturedStdout();
  EXPECT_GT(countColour(WHITE), 20) << "failure density in colour 2";
  ASSERT_EQ(DYyx(), 1);
  EXPECT_GT(countColour(BROWN), 20) << "yield in colour 10";
  std::string csv = CVreadFile("yield.csv");
  EXPECT_EQ(csv.rfind("defect_density,yield\n100,", 0), 0u);
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 21);
  EXPECT_EQ(CVreadFile("pof.csv").rfind("defect_size_grid,failure_density\n1,0.5\n", 0), 0u);
  EXPECT_TRUE(std::filesystem::exists("pof.png"));
  EXPECT_TRUE(std::filesystem::exists("yield.png"));
}

TEST_F(PlotFilesTest, UnwritableDirectoryReportsAndKeepsThePlot) {
  DYsetPlotFiles(DY_FILES_PNG);
  std::filesystem::create_directory("sensitivity.png");  // a directory where the image should go
  sensitivity({{1.0f, 0.1f}, {4.0f, 0.6f}});
  EXPECT_EQ(DYCarea(), 1);
  EXPECT_STREQ(GClastSeverity() == 'E' ? "E" : "", "E");
  EXPECT_NE(std::string(GClastMessage()).find("sensitivity.png"), std::string::npos) << GClastMessage();
  EXPECT_TRUE(std::filesystem::exists("sensitivity.csv"));
}

namespace {
std::string tickLabels(const DYaxisRange& a) {
  std::string s;
  for (int i = 0; i < a.ticks(); ++i) s += (i ? " " : "") + DYtickLabel(a, i);
  return s;
}
}  // namespace

// Ranges widened from the data to round steps, at most 8 ticks, zero kept
// when the data come near it; the expected ticks are those a reader would draw.
TEST(PlotAxis, RangesFitTheDataAtRoundTicks) {
  struct Case {
    double lo, hi;
    const char* ticks;
  } cases[] = {
      {1, 12, "0 2 4 6 8 10 12"},                                      // defect sizes of a sweep
      {0.994, 0.9997, "0.994 0.995 0.996 0.997 0.998 0.999 1.000"},   // a yield curve near 1
      {0, 0.09, "0 0.02 0.04 0.06 0.08 0.10"},                        // a small sensitivity
      {100, 2000, "0 500 1000 1500 2000"},                             // the densities
      {0, 2.4, "0 0.5 1.0 1.5 2.0 2.5"},
      {0, 1.2e-5, "0 0.2 0.4 0.6 0.8 1.0 1.2"},  // in units of 1e-05, named in the title
      {0, 3.2e6, "0 0.5 1.0 1.5 2.0 2.5 3.0 3.5"},
      {-3, 7, "-4 -2 0 2 4 6 8"},
      {0.5, 0.5, "0.47 0.48 0.49 0.50 0.51 0.52 0.53"},  // one value: a small range around it
      {0, 0, "0 0.2 0.4 0.6 0.8 1.0"},
  };
  for (const Case& c : cases) EXPECT_EQ(tickLabels(DYniceRange(c.lo, c.hi)), c.ticks) << c.lo << " .. " << c.hi;
  EXPECT_EQ(DYaxisPowerSuffix(DYniceRange(0, 1.2e-5)), " (x 1e-05)");
  EXPECT_EQ(DYaxisPowerSuffix(DYniceRange(0, 3.2e6)), " (x 1e+06)");
  EXPECT_EQ(DYaxisPowerSuffix(DYniceRange(0.994, 0.9997)), "");
}

TEST_F(PlotFilesTest, PlotsReadBackTitlesWithUnitsAndRangesAroundTheirData) {
  activate("CMF", 1.0f, 10.0f, 1.0f, 1.0f);
  frame(0, 0, 200 * theGlobalScale, 200 * theGlobalScale);
  sensitivity({{1.0f, 0.01f}, {4.0f, 0.05f}, {7.0f, 0.09f}});
  ASSERT_EQ(DYCarea(), 1);
  DYplotFrame f = DYlastPlotFrame();
  EXPECT_EQ(f.xtitle, "Defect Size (grid units of 0.1 um)");
  EXPECT_EQ(f.ytitle, "Sensitivity (critical area / layout area)");
  EXPECT_EQ(tickLabels(f.y), "0 0.02 0.04 0.06 0.08 0.10") << "not 0 to 1";
  EXPECT_EQ(tickLabels(f.x), "0 2 4 6 8 10") << "the settings' maximum size, 10";
  // Every point of the series (yellow) lies inside the axes, none on the
  // titles or tick values around them.
  auto* image = static_cast<GCcairoCanvas*>(Vpopup.canvas);
  long left, bottom, right, top;
  GCwtov(&Vpopup, 1000 / 12, 1000 / 12, &left, &bottom);
  GCwtov(&Vpopup, 1000 - 1000 / 12, 1000 - 1000 / 12, &right, &top);
  int outside = 0;
  for (int y = 0; y < image->height(); ++y)
    for (int x = 0; x < image->width(); ++x)
      if (image->pixelAt(x, y) == YELLOW) outside += x < left || x > right || y < top || y > bottom;
  EXPECT_EQ(outside, 0);
  ::testing::internal::CaptureStdout();
  ASSERT_EQ(DYyx(), 1);
  ::testing::internal::GetCapturedStdout();
  f = DYlastPlotFrame();
  EXPECT_EQ(f.xtitle, "Defect Density (D0 units)");
  float ymin = 1, ymax = 0;
  for (int i = 0; i < Fyield.n; ++i) ymin = std::min(ymin, Fyield.y[i]), ymax = std::max(ymax, Fyield.y[i]);
  EXPECT_LE(f.y.lo, ymin);
  EXPECT_GE(f.y.hi, ymax);
  EXPECT_LT(f.y.hi - f.y.lo, 2.5 * (ymax - ymin)) << "the yield curve fills the plot";
}
