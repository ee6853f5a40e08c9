// Fit, zoom, pan and the box difference driven through the input chain, as
// the batch program's point lines drive them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "event/event.h"
#include "view/view.h"
#include "view_test_support.h"

namespace {
struct Fitted : ViewFixture {
  TestLayout t;
  Fitted() : ViewFixture(450, 350) {
    t.rect("CMF", 0, 0, 10000, 5000);
    DVfit();
  }
};

void window(long* x1, long* y1, long* x2, long* y2) { GCvisibleWindow(&Vmain, x1, y1, x2, y2); }
}  // namespace

TEST(ViewCommands, FitThenZoomInFitsThePickedBoxAndRepeats) {
  Fitted f;
  EXPECT_FLOAT_EQ(Vmain.scale, 25.0f);  // 10000 / 400 beats 5000 / 300
  // A zero-width box is too small and changes nothing.
  long ox = Vmain.ox, oy = Vmain.oy;
  DVzoomin();
  DEpointWorld(1, 3000, 1000);
  DEpointWorld(1, 3000, 4000);
  EXPECT_TRUE(ViewFixture::shown("Error: Window size too small."));
  EXPECT_FLOAT_EQ(Vmain.scale, 25.0f);
  EXPECT_EQ(std::make_pair(Vmain.ox, Vmain.oy), std::make_pair(ox, oy));
  DVzoomin();
  EXPECT_STREQ(GClastMessage(), "Message: ZOOM IN start.");
  DEpointWorld(1, 2000, 1000);
  EXPECT_STREQ(GClastMessage(), "Message: ZOOM IN window.");
  DEpointWorld(1, 4000, 2000);
  EXPECT_FLOAT_EQ(Vmain.scale, 5.0f);  // 2000 / 400
  long x1, y1, x2, y2;
  window(&x1, &y1, &x2, &y2);
  EXPECT_NEAR((x1 + x2) / 2.0, 3000, 10);
  EXPECT_NEAR((y1 + y2) / 2.0, 1500, 10);
  // The command repeats: the chain waits for a new start point.
  EXPECT_STREQ(GClastMessage(), "Message: ZOOM IN start.");
  EXPECT_EQ(GpointList, nullptr);
}

TEST(ViewCommands, ZoomOutByTheWholeWindowKeepsTheViewAndByHalfDoublesIt) {
  Fitted f;
  long x1, y1, x2, y2;
  window(&x1, &y1, &x2, &y2);
  DVzoomout();
  DEpointWorld(1, x1, y1);
  DEpointWorld(1, x2, y2);
  long a1, b1, a2, b2;
  window(&a1, &b1, &a2, &b2);
  EXPECT_NEAR(a1, x1, 30);
  EXPECT_NEAR(a2, x2, 30);
  // A box half the window's size about its centre: the window doubles.
  long cx = (a1 + a2) / 2, cy = (b1 + b2) / 2, w = a2 - a1, h = b2 - b1;
  DEpointWorld(1, cx - w / 4, cy - h / 4);
  DEpointWorld(1, cx + w / 4, cy + h / 4);
  long c1, d1, c2, d2;
  window(&c1, &d1, &c2, &d2);
  EXPECT_NEAR(static_cast<double>(c2 - c1) / w, 2.0, 0.02);
  EXPECT_NEAR((c1 + c2) / 2.0, cx, 60);
  EXPECT_NEAR((d1 + d2) / 2.0, cy, 60);
  // Coordinates too large for the window are refused.
  float scale = Vmain.scale;
  DEpointWorld(1, 0, 0);
  DEpointWorld(3, 0, 0);  // ignored: the step wants button 1
  DEpointWorld(1, 1073741823, 100);
  EXPECT_TRUE(ViewFixture::shown("Error: ZOOM OUT window too large."));
  EXPECT_FLOAT_EQ(Vmain.scale, scale);
}

TEST(ViewCommands, PanMovesTheOriginByTheDrag) {
  Fitted f;
  long ox = Vmain.ox, oy = Vmain.oy;
  DVpan();
  EXPECT_STREQ(GClastMessage(), "Message: PAN start.");
  DEpointWorld(1, 1000, 1000);
  EXPECT_STREQ(GClastMessage(), "Message: PAN point.");
  DEpointWorld(1, 1500, 800);
  EXPECT_EQ(Vmain.ox, ox - 500);
  EXPECT_EQ(Vmain.oy, oy + 200);
}

TEST(ViewCommands, RedrawAndFitWithNothingLoadedOnlyClear) {
  ViewFixture f(100, 80);
  GGsetColor(&Vmain, GCgetNamedColorName("White"));
  GGrectangle(&Vmain, 0, 0, 50, 50, 1);
  DVfit();
  for (int y = 0; y < 80; y += 7)
    for (int x = 0; x < 100; x += 7) EXPECT_EQ(f.at(x, y), GC_VIEW_BACKGROUND_RGB);
}

TEST(ViewCommands, RefreshRedrawsOnlyTheExposedArea) {
  Fitted f;
  unsigned inside = f.atWorld(5000, 2500);
  long vx, vy;
  GCwtov(&Vmain, 5000, 2500, &vx, &vy);
  // Paint over part of the window, then "expose" a small area of it.
  GGsetColor(&Vmain, GCgetNamedColorName("White"));
  GGrectangle(&Vmain, -100000, -100000, 100000, 100000, 1);
  DVrefresh(static_cast<int>(vx) - 5, static_cast<int>(vy) - 5, 10, 10);
  EXPECT_EQ(f.atWorld(5000, 2500), inside);
  EXPECT_EQ(f.at(static_cast<int>(vx) + 20, static_cast<int>(vy)), 0xFFFFFFu);
}
