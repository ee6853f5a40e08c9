#include "display/x11/x_canvas.h"

#include <vector>

#include "common/colors.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"

extern Display* theDisplay;

GCxCanvas::GCxCanvas(Display* display, Window window, GC plain, GC xorgc)
    : display_(display), window_(window), plain_(plain), xor_(xorgc) {}

void GCxCanvas::sizeOf(int* w, int* h) const {
  *w = *h = 0;
  if (!window_) return;
  Window root;
  int x, y;
  unsigned width, height, border, depth;
  if (XGetGeometry(display_, window_, &root, &x, &y, &width, &height, &border, &depth)) {
    *w = static_cast<int>(width);
    *h = static_cast<int>(height);
  }
}

int GCxCanvas::width() const {
  int w, h;
  sizeOf(&w, &h);
  return w;
}

int GCxCanvas::height() const {
  int w, h;
  sizeOf(&w, &h);
  return h;
}

GC GCxCanvas::gcOf(GCpen pen) const {
  if (pen == GC_PEN_XOR) return xor_;
  if (pen == GC_PEN_LAYER && layerGC_) return layerGC_;
  return plain_;
}

void GCxCanvas::clear() {
  if (window_) XClearWindow(display_, window_);
}

void GCxCanvas::clearArea(int x, int y, int w, int h) {
  if (window_) XClearArea(display_, window_, x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), False);
}

void GCxCanvas::setColor(unsigned long pixel, unsigned) {
  XSetForeground(display_, plain_, pixel);
  XSetForeground(display_, xor_, pixel);
}

void GCxCanvas::setLineWidth(int pixels) {
  XSetLineAttributes(display_, plain_, static_cast<unsigned>(pixels), LineSolid, CapButt, JoinMiter);
  XSetLineAttributes(display_, xor_, static_cast<unsigned>(pixels), LineSolid, CapButt, JoinMiter);
}

bool GCxCanvas::setFont(const char* name) {
  XFontStruct* f = XLoadQueryFont(display_, name);
  if (!f) return false;
  if (font_) XFreeFont(display_, font_);
  font_ = f;
  XSetFont(display_, plain_, f->fid);
  XSetFont(display_, xor_, f->fid);
  return true;
}

void GCxCanvas::setLayer(int layer, bool stippled) {
  layerGC_ = static_cast<GC>(Glayers[layer].gc);
  if (!layerGC_) return;
  XSetFillStyle(display_, layerGC_, stippled ? FillStippled : FillSolid);
  if (clipped_) XSetClipRectangles(display_, layerGC_, 0, 0, &clip_, 1, Unsorted);
  else XSetClipMask(display_, layerGC_, None);
}

void GCxCanvas::drawPoint(GCpen pen, int x, int y) {
  if (window_) XDrawPoint(display_, window_, gcOf(pen), x, y);
}

void GCxCanvas::drawLine(GCpen pen, int x1, int y1, int x2, int y2) {
  if (window_) XDrawLine(display_, window_, gcOf(pen), x1, y1, x2, y2);
}

void GCxCanvas::drawRectangle(GCpen pen, int x, int y, int w, int h, bool fill) {
  if (!window_) return;
  if (fill) XFillRectangle(display_, window_, gcOf(pen), x, y, static_cast<unsigned>(w), static_cast<unsigned>(h));
  else XDrawRectangle(display_, window_, gcOf(pen), x, y, static_cast<unsigned>(w), static_cast<unsigned>(h));
}

void GCxCanvas::drawPolygon(GCpen pen, const GCpixelPoint* points, int n, bool fill) {
  if (!window_ || n < 2) return;
  // Up to 30 vertices fit the fixed buffer; longer outlines get their own.
  XPoint fixed[31];
  std::vector<XPoint> heap;
  XPoint* xp = fixed;
  if (n + 1 > 31) {
    heap.resize(static_cast<size_t>(n) + 1);
    xp = heap.data();
  }
  for (int i = 0; i < n; ++i) xp[i] = {static_cast<short>(points[i].x), static_cast<short>(points[i].y)};
  if (fill) {
    XFillPolygon(display_, window_, gcOf(pen), xp, n, Complex, CoordModeOrigin);
  } else {
    xp[n] = xp[0];
    XDrawLines(display_, window_, gcOf(pen), xp, n + 1, CoordModeOrigin);
  }
}

void GCxCanvas::drawArc(GCpen pen, int x, int y, int w, int h, int angle1, int angle2, bool fill) {
  if (!window_) return;
  if (fill) XFillArc(display_, window_, gcOf(pen), x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), angle1, angle2);
  else XDrawArc(display_, window_, gcOf(pen), x, y, static_cast<unsigned>(w), static_cast<unsigned>(h), angle1, angle2);
}

void GCxCanvas::drawString(GCpen pen, int x, int y, const char* text) {
  if (!window_) return;
  int n = 0;
  while (text[n]) ++n;
  XDrawString(display_, window_, gcOf(pen), x, y, text, n);
}

void GCxCanvas::copyArea(GCanvas* to, int sx, int sy, int w, int h, int dx, int dy) {
  auto* target = dynamic_cast<GCxCanvas*>(to);
  if (!target || !window_ || !target->window_) return;
  XCopyArea(display_, window_, target->window_, plain_, sx, sy, static_cast<unsigned>(w), static_cast<unsigned>(h), dx, dy);
}

void GCxCanvas::setClip(int x, int y, int w, int h) {
  clipped_ = true;
  clip_ = {static_cast<short>(x), static_cast<short>(y), static_cast<unsigned short>(w), static_cast<unsigned short>(h)};
  XSetClipRectangles(display_, plain_, 0, 0, &clip_, 1, Unsorted);
  XSetClipRectangles(display_, xor_, 0, 0, &clip_, 1, Unsorted);
  if (layerGC_) XSetClipRectangles(display_, layerGC_, 0, 0, &clip_, 1, Unsorted);
}

void GCxCanvas::clearClip() {
  clipped_ = false;
  XSetClipMask(display_, plain_, None);
  XSetClipMask(display_, xor_, None);
  if (layerGC_) XSetClipMask(display_, layerGC_, None);
}

void GCxCanvas::flush() { XFlush(display_); }

void GXmakeLayerGC(int layer) {
  if (!theDisplay || layer < 0 || layer >= DT_MAX_LAYERS) return;
  Window root = DefaultRootWindow(theDisplay);
  _layerDef& l = Glayers[layer];
  if (l.gc) XFreeGC(theDisplay, static_cast<GC>(l.gc));
  if (l.pixmap) XFreePixmap(theDisplay, l.pixmap);
  const GCbitmap& bm = DTlayerPattern(layer);
  Pixmap stipple = None;
  if (bm.width > 0 && bm.height > 0)
    stipple = XCreateBitmapFromData(theDisplay, root, reinterpret_cast<const char*>(bm.bits.data()),
                                    static_cast<unsigned>(bm.width), static_cast<unsigned>(bm.height));
  XGCValues v{};
  v.function = GXcopy;
  v.foreground = GCgetNamedColor(l.color);
  v.line_width = 0;
  v.fill_style = l.fillmode == 1 && stipple != None ? FillStippled : FillSolid;
  unsigned long mask = GCFunction | GCForeground | GCLineWidth | GCFillStyle;
  if (stipple != None) {
    v.stipple = stipple;
    mask |= GCStipple;
  }
  l.gc = XCreateGC(theDisplay, root, mask, &v);
  l.pixmap = stipple;
}
