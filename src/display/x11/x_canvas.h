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
#include "display/canvas_overrides.inc"

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
