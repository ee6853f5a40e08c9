// The canvas of the Motif program: an X window with the viewport's plain and
// XOR graphics contexts and the layers' contexts.
#pragma once
#include <X11/Xlib.h>

#include "display/canvas.h"

class GCxCanvas : public GCanvas {
 public:
  GCxCanvas(Display* display, Window window, GC plain, GC xorgc);
  void setWindow(Window window) { window_ = window; }
  Window window() const { return window_; }

  int width() const override;
  int height() const override;
  void clear() override;
  void clearArea(int x, int y, int w, int h) override;
  void setColor(unsigned long pixel, unsigned rgb) override;
  void setLineWidth(int pixels) override;
  bool setFont(const char* name) override;
  void setLayer(int layer, bool stippled) override;
  void drawPoint(GCpen pen, int x, int y) override;
  void drawLine(GCpen pen, int x1, int y1, int x2, int y2) override;
  void drawRectangle(GCpen pen, int x, int y, int w, int h, bool fill) override;
  void drawPolygon(GCpen pen, const GCpixelPoint* points, int n, bool fill) override;
  void drawArc(GCpen pen, int x, int y, int w, int h, int angle1, int angle2, bool fill) override;
  void drawString(GCpen pen, int x, int y, const char* text) override;
  void copyArea(GCanvas* to, int sx, int sy, int w, int h, int dx, int dy) override;
  void setClip(int x, int y, int w, int h) override;
  void clearClip() override;
  void flush() override;

 private:
  GC gcOf(GCpen pen) const;
  void sizeOf(int* w, int* h) const;

  Display* display_;
  Window window_;
  GC plain_, xor_;
  GC layerGC_ = nullptr;
  XFontStruct* font_ = nullptr;
  bool clipped_ = false;
  XRectangle clip_{};
};

// Makes the X graphics context of Glayers[layer] from its colour and the
// pattern the core read (the front end's makeLayerGC hook).
void GXmakeLayerGC(int layer);
