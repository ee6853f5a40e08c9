#include "view/view.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "common/layout.h"
#include "common/message.h"
#include "display/canvas.h"
#include "display/draw.h"
#include "display/viewport.h"
#include "event/event.h"
#include "view/batch_view.h"
#include "view/layout_display.h"

namespace {
DVtileView tileView;
constexpr int CORNER_STITCH_MODE = 9;
constexpr long HUGE_COORDINATE = 0x3FFFFFFF;

void drawWindow(_Gviewport* vp, long x1, long y1, long x2, long y2) {
  if (DworkingMode == CORNER_STITCH_MODE) {
    if (tileView.draw) tileView.draw(vp, x1, y1, x2, y2);
  } else if (Glayout) {
    ACdispArea(vp, Glayout, x1, y1, x2, y2, Gsymbols);
  }
}

void redrawMain() {
  GGclear(&Vmain);
  DVdrawVisible(&Vmain);
  if (Vmain.canvas) Vmain.canvas->flush();
}

// The box spanned by the two collected points, or false without two points.
bool pickedBox(_points* pts, long* x1, long* y1, long* x2, long* y2) {
  if (!pts || !pts->next) return false;
  *x1 = std::min(pts->x, pts->next->x);
  *x2 = std::max(pts->x, pts->next->x);
  *y1 = std::min(pts->y, pts->next->y);
  *y2 = std::max(pts->y, pts->next->y);
  return true;
}

int zoominExe(_points* pts, _GEvent*) {
  long x1, y1, x2, y2;
  if (!pickedBox(pts, &x1, &y1, &x2, &y2)) return 0;
  double W = std::max(GCvpWidth(&Vmain), 1), H = std::max(GCvpHeight(&Vmain), 1);
  if ((x2 - x1) / W < 0.001 || (y2 - y1) / H < 0.001) {
    GCmessage(GC_MOD_VIEW, 'E', "Window size too small");
    return 0;
  }
  GCinstallVpC(&Vmain, x1, y1, x2 - x1, y2 - y1);
  redrawMain();
  return 0;
}

int zoomoutExe(_points* pts, _GEvent*) {
  long x1, y1, x2, y2;
  if (!pickedBox(pts, &x1, &y1, &x2, &y2)) return 0;
  for (long v : {x1, y1, x2, y2})
    if (std::labs(v) >= HUGE_COORDINATE) {
      GCmessage(GC_MOD_VIEW, 'E', "ZOOM OUT window too large");
      return 0;
    }
  long cx1, cy1, cx2, cy2;
  GCvisibleWindow(&Vmain, &cx1, &cy1, &cx2, &cy2);
  double cw = static_cast<double>(cx2 - cx1), ch = static_cast<double>(cy2 - cy1);
  double bw = static_cast<double>(x2 - x1), bh = static_cast<double>(y2 - y1);
  double r = std::min(cw > 0 ? bw / cw : 0, ch > 0 ? bh / ch : 0);
  if (r <= 0) {
    GCmessage(GC_MOD_VIEW, 'E', "Window size too small");
    return 0;
  }
  // The window centre moves against the box centre's offset, then the window
  // grows by 1/r, so the old view lands where the box was drawn.
  double wcx = (cx1 + cx2) / 2.0, wcy = (cy1 + cy2) / 2.0;
  double bcx = (x1 + x2) / 2.0, bcy = (y1 + y2) / 2.0;
  double ncx = wcx - (bcx - wcx), ncy = wcy - (bcy - wcy);
  double nw = cw / r, nh = ch / r;
  if (std::fabs(ncx) + nw > HUGE_COORDINATE || std::fabs(ncy) + nh > HUGE_COORDINATE) {
    GCmessage(GC_MOD_VIEW, 'E', "ZOOM OUT window too large");
    return 0;
  }
  GCinstallVp(&Vmain, std::lround(ncx - nw / 2), std::lround(ncy - nh / 2), std::lround(nw), std::lround(nh));
  redrawMain();
  return 0;
}

int panExe(_points* pts, _GEvent*) {
  if (!pts || !pts->next) return 0;
  Vmain.ox += pts->x - pts->next->x;
  Vmain.oy += pts->y - pts->next->y;
  redrawMain();
  return 0;
}

bool superRemembered = false;
long superBox[4];

int superExe(_points* pts, _GEvent*) {
  long b[4];
  if (!pickedBox(pts, &b[0], &b[1], &b[2], &b[3])) return 0;
  if (!superRemembered) {
    std::copy(b, b + 4, superBox);
    superRemembered = true;
    return 0;
  }
  superRemembered = false;
  if (!tileView.boxMinus) return 0;
  long parts[4][4];
  int n = tileView.boxMinus(b, superBox, parts, 4);
  for (int i = 0; i < n; ++i) {
    GGsetColor(&Vmain, i == 0 ? 3 : 2);
    GGrectangle(&Vmain, parts[i][0], parts[i][1], parts[i][2], parts[i][3], i == 0 ? 1 : 0);
  }
  if (Vmain.canvas) Vmain.canvas->flush();
  return 0;
}

_GEvent zoominEnd{GGEbutton1, GGRbox, "ZOOM IN window", nullptr, zoominExe, nullptr, nullptr, &Vmain};
_GEvent zoominStart{GGEbutton1, GGRno, "ZOOM IN start", nullptr, nullptr, nullptr, &zoominEnd, &Vmain};
_GEvent zoomoutEnd{GGEbutton1, GGRbox, "ZOOM OUT window", nullptr, zoomoutExe, nullptr, nullptr, &Vmain};
_GEvent zoomoutStart{GGEbutton1, GGRno, "ZOOM OUT start", nullptr, nullptr, nullptr, &zoomoutEnd, &Vmain};
_GEvent panEnd{GGEbutton1, GGRline, "PAN point", nullptr, panExe, nullptr, nullptr, &Vmain};
_GEvent panStart{GGEbutton1, GGRno, "PAN start", nullptr, nullptr, nullptr, &panEnd, &Vmain};
_GEvent superEnd{GGEbutton1, GGRbox, "SUPER window", nullptr, superExe, nullptr, nullptr, &Vmain};
_GEvent superStart{GGEbutton1, GGRno, "SUPER VIEW start", nullptr, nullptr, nullptr, &superEnd, &Vmain};
}  // namespace

void DVsetTileView(const DVtileView& view) { tileView = view; }

void DVdrawVisible(_Gviewport* vp) {
  long x1, y1, x2, y2;
  GCvisibleWindow(vp, &x1, &y1, &x2, &y2);
  drawWindow(vp, x1, y1, x2, y2);
}

int DVfit() {
  GGclear(&Vmain);
  if (DworkingMode == CORNER_STITCH_MODE) {
    long x1, y1, x2, y2;
    if (tileView.extent && tileView.extent(&x1, &y1, &x2, &y2)) {
      GCinstallVpC(&Vmain, x1, y1, x2 - x1, y2 - y1);
      DVdrawVisible(&Vmain);
      if (tileView.names) tileView.names(&Vmain);
    } else if (tileView.draw) {
      DVdrawVisible(&Vmain);  // reports that there are no planes
    }
  } else if (Glayout) {
    ACdispall(&Vmain, Glayout, Gsymbols);
  }
  if (Vmain.canvas) Vmain.canvas->flush();
  return 1;
}

int DVredraw(void*, char*, void*) {
  redrawMain();
  return 1;
}

void DVrefresh(int x, int y, int w, int h) {
  if (!Vmain.canvas || w <= 0 || h <= 0) return;
  long x1, y1, x2, y2;
  GCvtow(&Vmain, x, y + h, &x1, &y1);
  GCvtow(&Vmain, x + w, y, &x2, &y2);
  // Elements that reach into the area are drawn whole; the clip keeps the
  // rest of the picture, painted in priority order already, untouched.
  Vmain.canvas->setClip(x, y, w, h);
  Vmain.canvas->clearArea(x, y, w, h);
  drawWindow(&Vmain, x1 - 1, y1 - 1, x2 + 1, y2 + 1);
  Vmain.canvas->clearClip();
  Vmain.canvas->flush();
}

int DVzoomin() {
  DEevent(&zoominStart);
  return 1;
}
int DVzoomout() {
  DEevent(&zoomoutStart);
  return 1;
}
int DVpan() {
  DEevent(&panStart);
  return 1;
}
int DVsuper() {
  superRemembered = false;
  DEevent(&superStart);
  return 1;
}

void DVreset() {
  tileView = DVtileView{};
  superRemembered = false;
  DVbatchRelease();
}
