// The drawing primitives and the layout drawing on an image canvas.
#include <gtest/gtest.h>

#include <vector>

#include "common/message.h"
#include "display/draw.h"
#include "view/layout_display.h"
#include "view/view.h"
#include "view_test_support.h"

namespace {
constexpr unsigned BACKGROUND = GC_VIEW_BACKGROUND_RGB;

std::vector<unsigned> snapshot(ViewFixture& f) {
  std::vector<unsigned> v;
  for (int y = 0; y < f.canvas->height(); ++y)
    for (int x = 0; x < f.canvas->width(); ++x) v.push_back(f.at(x, y));
  return v;
}

int countNot(ViewFixture& f, unsigned colour, int x1, int y1, int x2, int y2) {
  int n = 0;
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) n += f.at(x, y) != colour;
  return n;
}

void identityView() {
  Vmain.scale = 1.0f;
  Vmain.ox = 0;
  Vmain.oy = 0;
}
}  // namespace

TEST(Draw, RectanglesFilledOutlinedThinAndTiny) {
  ViewFixture f(100, 100);
  identityView();
  GGsetColor(&Vmain, GCgetNamedColorName("White"));
  GGrectangle(&Vmain, 10, 10, 20, 30, 1);  // pixel rows 70..90, columns 10..20
  EXPECT_EQ(f.at(10, 90), 0xFFFFFFu);
  EXPECT_EQ(f.at(20, 70), 0xFFFFFFu);
  EXPECT_EQ(f.at(21, 80), BACKGROUND);
  EXPECT_EQ(f.at(15, 69), BACKGROUND);
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 11 * 21);
  // An outline leaves the inside untouched.
  GGclear(&Vmain);
  GGrectangle(&Vmain, 10, 10, 40, 40, 0);
  EXPECT_EQ(f.at(10, 75), 0xFFFFFFu);
  EXPECT_EQ(f.at(25, 75), BACKGROUND);
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 4 * 30);
  // At 10 world units a pixel a thin rectangle becomes a line, a tiny one a point.
  GGclear(&Vmain);
  Vmain.scale = 10.0f;
  GGrectangle(&Vmain, 100, 100, 105, 500, 1);  // both x corners in pixel column 10
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 41);
  EXPECT_EQ(countNot(f, BACKGROUND, 10, 0, 10, 99), 41);
  GGclear(&Vmain);
  GGrectangle(&Vmain, 300, 300, 320, 320, 1);  // 2 x 2 pixels: a single point
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 1);
}

TEST(Draw, XorFiguresDrawnTwiceRestoreThePicture) {
  ViewFixture f(120, 90);
  identityView();
  GGsetColor(&Vmain, GCgetNamedColorName("red"));
  GGrectangle(&Vmain, 5, 5, 60, 60, 1);
  std::vector<unsigned> before = snapshot(f);
  GGxrectangle(&Vmain, 20, 10, 100, 80, 0);
  GGxline(&Vmain, 0, 0, 119, 89);
  GGxcircle(&Vmain, 50, 40, 30, 0);
  EXPECT_NE(snapshot(f), before);
  GGxcircle(&Vmain, 50, 40, 30, 0);
  GGxline(&Vmain, 0, 0, 119, 89);
  GGxrectangle(&Vmain, 20, 10, 100, 80, 0);
  EXPECT_EQ(snapshot(f), before);
}

TEST(Draw, FarAwayAndHugeFiguresAreClippedSafely) {
  ViewFixture f(100, 100);
  identityView();
  GGsetColor(&Vmain, GCgetNamedColorName("White"));
  GGrectangle(&Vmain, -2000000000L, -2000000000L, 2000000000L, 2000000000L, 1);
  EXPECT_EQ(countNot(f, 0xFFFFFFu, 0, 0, 99, 99), 0);
  GGclear(&Vmain);
  GGline(&Vmain, -1000000000L, 50, 1000000000L, 50);
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 100);
  GGclear(&Vmain);
  GGrectangle(&Vmain, 5000000, 5000000, 6000000, 6000000, 1);
  EXPECT_EQ(countNot(f, BACKGROUND, 0, 0, 99, 99), 0);
}

TEST(Draw, PolygonWarnsWhenTheCountDisagreesWithTheList) {
  ViewFixture f(100, 100);
  identityView();
  _points p3{50, 80, nullptr}, p2{80, 20, &p3}, p1{20, 20, &p2};
  GGsetColor(&Vmain, GCgetNamedColorName("White"));
  GCresetMessages();
  GGpoly(&Vmain, &p1, 3, 1);
  EXPECT_STREQ(GClastMessage(), "");
  EXPECT_EQ(f.at(50, 60), 0xFFFFFFu);  // inside the triangle
  EXPECT_EQ(f.at(25, 25), BACKGROUND);
  GGpoly(&Vmain, &p1, 2, 0);
  EXPECT_STREQ(GClastMessage(), "Warning: Too many points in a poly.");
  GGpoly(&Vmain, &p1, 4, 0);
  EXPECT_STREQ(GClastMessage(), "Warning: Not enough points in a poly.");
}

TEST(LayoutDrawing, LayersPaintInPriorityOrderAndHiddenLayersVanish) {
  ViewFixture f(200, 200);
  TestLayout t;
  t.rect("CVA", 0, 0, 1000, 1000);    // solid pattern, DimGray, priority 1
  t.rect("CCA", 500, 500, 1500, 1500);  // solid pattern, Black, priority 5
  ACdispall(&Vmain, Glayout, Gsymbols);
  EXPECT_EQ(f.atWorld(750, 750), ViewFixture::layerRGB("CCA"));  // the overlap
  EXPECT_EQ(f.atWorld(250, 250), ViewFixture::layerRGB("CVA"));

  // Swap the priorities: the overlap now shows CVA.
  std::swap(Glayers[DTlayerIndex("CVA")].priority, Glayers[DTlayerIndex("CCA")].priority);
  DVredraw(nullptr, nullptr, nullptr);
  EXPECT_EQ(f.atWorld(750, 750), ViewFixture::layerRGB("CVA"));

  Glayers[DTlayerIndex("CVA")].showswitch = 0;
  DVredraw(nullptr, nullptr, nullptr);
  EXPECT_EQ(f.atWorld(250, 250), BACKGROUND);
  EXPECT_EQ(f.atWorld(750, 750), ViewFixture::layerRGB("CCA"));
}

TEST(LayoutDrawing, StippledLayersShowTheirPatternAndOutlineModeDrawsEdges) {
  ViewFixture f(200, 200);
  TestLayout t;
  t.rect("CMF", 0, 0, 1000, 1000);  // hatch pattern
  ACdispall(&Vmain, Glayout, Gsymbols);
  long x1, y1, x2, y2;
  GCwtov(&Vmain, 0, 1000, &x1, &y1);
  GCwtov(&Vmain, 1000, 0, &x2, &y2);
  int inside = (x2 - x1 - 1) * (y2 - y1 - 1);
  int painted = countNot(f, BACKGROUND, x1 + 1, y1 + 1, x2 - 1, y2 - 1);
  EXPECT_GT(painted, inside / 10);  // the stipple paints part of the area...
  EXPECT_LT(painted, inside);       // ...and lets the background through elsewhere

  Glayers[DTlayerIndex("CMF")].fillmode = 0;
  DVredraw(nullptr, nullptr, nullptr);
  EXPECT_EQ(f.at((x1 + x2) / 2, (y1 + y2) / 2), BACKGROUND);
  EXPECT_EQ(f.at((x1 + x2) / 2, y1), ViewFixture::layerRGB("CMF"));
}

TEST(LayoutDrawing, LabelsOfShownLayersInsideTheWindowOnly) {
  ViewFixture f(300, 200);
  TestLayout t;
  t.rect("CMF", 0, 0, 4000, 2000);
  t.label("CMF", "VDD", 1000, 1000);
  t.label("CPG", "IN", 3000, 1000);
  ACdispall(&Vmain, Glayout, Gsymbols);
  GGclear(&Vmain);
  long x1, y1, x2, y2;
  GCvisibleWindow(&Vmain, &x1, &y1, &x2, &y2);
  LabelDisplay(&Vmain, Glayout, GCgetNamedColorName("White"), x1, y1, x2, y2);
  long vx, vy;
  GCwtov(&Vmain, 1000, 1000, &vx, &vy);
  EXPECT_GT(countNot(f, BACKGROUND, vx, vy - 12, vx + 30, vy), 5);
  GCwtov(&Vmain, 3000, 1000, &vx, &vy);  // CPG has no slot with geometry drawn, but its label shows
  EXPECT_GT(countNot(f, BACKGROUND, vx, vy - 12, vx + 30, vy), 5);
  GGclear(&Vmain);
  Glayers[DTlayerIndex("CPG")].showswitch = 0;
  LabelDisplay(&Vmain, Glayout, GCgetNamedColorName("White"), x1, y1, x2, y2);
  EXPECT_EQ(countNot(f, BACKGROUND, vx, vy - 12, vx + 30, vy), 0);
}
