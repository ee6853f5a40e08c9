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
  EXPECT_EQ(CVreadFile("sensitivity.csv"), "defect_size_um,sensitivity\n1,0.100000001\n2.5,0.349999994\n4,0.600000024\n10,1\n");
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
  EXPECT_EQ(csv.rfind("defect_size_um,defect_density\n0,0\n", 0), 0u) << "the curve starts at the origin";
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
  EXPECT_EQ(CVreadFile("pof.csv").rfind("defect_size_um,failure_density\n1,0.5\n", 0), 0u);
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
