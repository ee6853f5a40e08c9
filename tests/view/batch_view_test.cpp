// The batch program's view line: the main view as the window would show it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "support/run_program.h"

namespace {
// Pixels of exactly this colour in a PNG, or -1 when it cannot be read.
long countColour(const std::string& png, unsigned rgb) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return -1;
  }
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  const unsigned char* d = cairo_image_surface_get_data(s);
  long n = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t v;
      memcpy(&v, d + y * stride + x * 4, 4);
      n += (v & 0xFFFFFF) == rgb;
    }
  cairo_surface_destroy(s);
  return n;
}

constexpr unsigned CMF = 0x1E90FF, CPG = 0xFF0000, CAA = 0x228B22, BACKGROUND = 0xB3B3B3;

std::string loadExample() {
  return "f.DIldLayout " + std::string(CORVID_SOURCE_DIR) + "/examples/inverter.cif\n";
}
}  // namespace

// A zoom mode ends when another command runs: clicks after a redraw zoom no more.
TEST(BatchView, ShowsTheLoadedLayoutInLayerColoursZoomEnlargesItSvgByExtension) {
  std::string dir = CVscratchDir();
  CVrunResult r = CVrunBatch(loadExample() +
                                 "view fit.png\n"
                                 "f.DVzoomin\nf.DVredraw\npoint 400 400\npoint 2400 6000\nview after.png\n"
                                 "f.DVzoomin\n"
                                 "point 1000 3400\n"  // about the gate (CIF units x 4)
                                 "point 1800 4600\n"
                                 "view zoom.png\n"
                                 "view out.svg\n"
                                 "view /nonexistent/dir/x.png\n",
                             dir);
  EXPECT_EQ(r.status, 2);  // the failing line is reported and the script goes on
  EXPECT_TRUE(CVhas(r.err, "Script line 13")) << r.err;
  EXPECT_TRUE(CVhas(r.err, "Message: View written to fit.png.")) << r.err;
  for (unsigned c : {CMF, CPG, CAA}) EXPECT_GT(countColour(dir + "/fit.png", c), 200) << std::hex << c;
  EXPECT_GT(countColour(dir + "/fit.png", BACKGROUND), 200000);  // the layout is fitted with a margin
  EXPECT_EQ(CVreadFile(dir + "/after.png"), CVreadFile(dir + "/fit.png")) << "the zoom survived a redraw";
  EXPECT_GT(countColour(dir + "/zoom.png", CPG), 3 * countColour(dir + "/fit.png", CPG));
  std::string svg = CVreadFile(dir + "/out.svg");
  EXPECT_TRUE(CVhas(svg, "<svg"));
  EXPECT_GT(svg.size(), 2000u);
}

TEST(BatchView, EmptyViewIsTheBackgroundAtTheChosenSize) {
  std::string dir = CVscratchDir();
  CVrunResult r = CVrunBatch("f.DVfit\nview empty.png\nviewsize 320 200\nview small.png\nviewsize 5 5\n", dir);
  EXPECT_EQ(r.status, 2);  // the bad size is reported
  EXPECT_TRUE(CVhas(r.err, "Script line 5")) << r.err;
  EXPECT_EQ(countColour(dir + "/empty.png", BACKGROUND), 800L * 600L);
  EXPECT_EQ(countColour(dir + "/small.png", BACKGROUND), 320L * 200L);
}
