// World/view transforms and viewport fitting.
#include <gtest/gtest.h>

#include "display/cairo_canvas.h"
#include "display/viewport.h"

namespace {
struct Window {
  GCcairoCanvas canvas;
  _Gviewport vp{};
  Window(int w, int h) : canvas(w, h) { DIvpInit(&vp, &canvas, nullptr); }
};
}  // namespace

TEST(Transform, FitsBoxCentredWithMarginUsingTheLargerRatio) {
  Window win(450, 350);
  GCinstallVpC(&win.vp, 1000, 2000, 100, 50);
  EXPECT_FLOAT_EQ(win.vp.scale, 0.25f);  // 100 / 400 beats 50 / 300
  // The box's pixel extent is centred: equal margins left/right and top/bottom.
  long left, top, right, bottom;
  GCwtov(&win.vp, 1000, 2050, &left, &top);
  GCwtov(&win.vp, 1100, 2000, &right, &bottom);
  EXPECT_EQ(right - left, 400);
  EXPECT_EQ(bottom - top, 200);
  EXPECT_LE(std::labs(left - (450 - right)), 2);
  // The origin is truncated to whole world units: 0.75 units = 3 pixels at this scale.
  EXPECT_LE(std::labs(top - (350 - bottom)), 6);
  EXPECT_EQ(win.vp.ox, 1000 - 6);   // (450 * 0.25 - 100) / 2 = 6.25
  EXPECT_EQ(win.vp.oy, 2000 - 18);  // (350 * 0.25 - 50) / 2 = 18.75
  // A tall box uses the height ratio.
  GCinstallVpC(&win.vp, 0, 0, 50, 600);
  EXPECT_FLOAT_EQ(win.vp.scale, 2.0f);  // 600 / 300 beats 50 / 400
}

TEST(Transform, WorldToViewFlipsTheYAxisAndTruncates) {
  Window win(200, 100);
  win.vp.scale = 2.0f;
  win.vp.ox = 10;
  win.vp.oy = 20;
  long vx, vy;
  GCwtov(&win.vp, 15, 25, &vx, &vy);
  EXPECT_EQ(vx, 2);       // trunc(5 / 2)
  EXPECT_EQ(vy, 100 - 2);
  GCwtov(&win.vp, 7, 20, &vx, &vy);
  EXPECT_EQ(vx, -1);      // trunc(-3 / 2) toward zero
  EXPECT_EQ(vy, 100);
  long wx, wy;
  GCvtow(&win.vp, 50, 0, &wx, &wy);
  EXPECT_EQ(wx, 110);
  EXPECT_EQ(wy, 220);     // the top edge of the window
}

TEST(Transform, RoundTripIsExactAtIntegerScaleAndInstallWithoutSizeOnlyMoves) {
  Window win(300, 200);
  GCinstallVp(&win.vp, -500, 700, 900, 0);  // scale 3
  EXPECT_FLOAT_EQ(win.vp.scale, 3.0f);
  for (long px = 0; px < 300; px += 37)
    for (long py = 0; py < 200; py += 23) {
      long wx, wy, vx, vy;
      GCvtow(&win.vp, px, py, &wx, &wy);
      GCwtov(&win.vp, wx, wy, &vx, &vy);
      EXPECT_EQ(vx, px);
      EXPECT_EQ(vy, py);
    }
  // Without a size only the origin moves.
  GCinstallVp(&win.vp, 77, -88, 0, 0);
  EXPECT_FLOAT_EQ(win.vp.scale, 3.0f);
  EXPECT_EQ(std::make_pair(win.vp.ox, win.vp.oy), std::make_pair(77L, -88L));
  long x1, y1, x2, y2;
  GCvisibleWindow(&win.vp, &x1, &y1, &x2, &y2);
  EXPECT_EQ(std::make_pair(x2 - x1, y2 - y1), std::make_pair(900L, 600L));
}

TEST(TransformDeath, NullViewportIsFatal) {
  long vx, vy;
  EXPECT_EXIT(GCwtov(nullptr, 0, 0, &vx, &vy), testing::ExitedWithCode(1), "Viewport is not avariable");
  EXPECT_EXIT(GCvtow(nullptr, 0, 0, &vx, &vy), testing::ExitedWithCode(1), "Viewport is not available");
}
