#include "display/viewport.h"

#include <cmath>

#include "common/message.h"
#include "display/canvas.h"

_Gviewport Vmain;
_Gviewport Vpopup;
int PopupWindowIsThere = 0;

namespace {
// Pixel results far outside any window are clamped so that later integer
// arithmetic cannot overflow; the drawing code clips them anyway.
long truncPixel(float v) {
  if (!std::isfinite(v)) return v < 0 ? -1000000000L : 1000000000L;
  if (v > 1e9f) return 1000000000L;
  if (v < -1e9f) return -1000000000L;
  return static_cast<long>(v);
}
}  // namespace

void DIvpInit(_Gviewport* vp, GCanvas* canvas, void* widget) {
  vp->id = 0;
  vp->widget = widget;
  vp->scale = 1.0f;
  vp->ox = 0;
  vp->oy = 0;
  vp->canvas = canvas;
}

int GCvpWidth(const _Gviewport* vp) { return vp && vp->canvas ? vp->canvas->width() : 0; }
int GCvpHeight(const _Gviewport* vp) { return vp && vp->canvas ? vp->canvas->height() : 0; }

void GCwtov(const _Gviewport* vp, long wx, long wy, long* vx, long* vy) {
  if (!vp) GCfatal(GC_MOD_DISPLAY, 1, "Viewport is not avariable");
  *vx = truncPixel(static_cast<float>(wx - vp->ox) / vp->scale);
  *vy = GCvpHeight(vp) - truncPixel(static_cast<float>(wy - vp->oy) / vp->scale);
}

void GCvtow(const _Gviewport* vp, long vx, long vy, long* wx, long* wy) {
  if (!vp) GCfatal(GC_MOD_COMMON, 1, "Viewport is not available");
  *wx = truncPixel(static_cast<float>(vx) * vp->scale + static_cast<float>(vp->ox));
  *wy = truncPixel(static_cast<float>(GCvpHeight(vp) - vy) * vp->scale + static_cast<float>(vp->oy));
}

void GCinstallVp(_Gviewport* vp, long x, long y, long w, long h) {
  if (w != 0 || h != 0) {
    float W = static_cast<float>(GCvpWidth(vp) > 0 ? GCvpWidth(vp) : 1);
    float H = static_cast<float>(GCvpHeight(vp) > 0 ? GCvpHeight(vp) : 1);
    vp->scale = static_cast<float>(w) / W;
    if (h != 0 && static_cast<float>(h) / H > vp->scale) vp->scale = static_cast<float>(h) / H;
  }
  vp->ox = x;
  vp->oy = y;
}

void GCinstallVpC(_Gviewport* vp, long x, long y, long w, long h) {
  // The 50-pixel margin keeps the layout off the window's edges.
  int W = GCvpWidth(vp), H = GCvpHeight(vp);
  if (w != 0 || h != 0) {
    float usableW = static_cast<float>(W - 50 > 0 ? W - 50 : 1);
    float usableH = static_cast<float>(H - 50 > 0 ? H - 50 : 1);
    vp->scale = static_cast<float>(w) / usableW;
    if (h != 0 && static_cast<float>(h) / usableH > vp->scale) vp->scale = static_cast<float>(h) / usableH;
  }
  vp->ox = x - truncPixel((static_cast<float>(W) * vp->scale - static_cast<float>(w)) / 2);
  vp->oy = y - truncPixel((static_cast<float>(H) * vp->scale - static_cast<float>(h)) / 2);
}

void GCvisibleWindow(const _Gviewport* vp, long* x1, long* y1, long* x2, long* y2) {
  *x1 = vp->ox;
  *y1 = vp->oy;
  *x2 = vp->ox + truncPixel(static_cast<float>(GCvpWidth(vp)) * vp->scale);
  *y2 = vp->oy + truncPixel(static_cast<float>(GCvpHeight(vp)) * vp->scale);
}

void GCresetViewports() {
  Vmain = _Gviewport{};
  Vpopup = _Gviewport{};
  PopupWindowIsThere = 0;
}
