// The canvas of the batch program: a Cairo image surface (written as PNG) or
// an SVG surface, with the background the Motif drawing area has.
#pragma once
#include <cstdio>

#include "display/canvas.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

class GCcairoCanvas : public GCanvas {
 public:
  // An image of w x h pixels.
  GCcairoCanvas(int w, int h);
  // An SVG document of w x h points written to `svg` (which stays open) by the
  // time the canvas is destroyed; a failed write shows in the stream's error flag.
  GCcairoCanvas(int w, int h, FILE* svg);
  ~GCcairoCanvas() override;
  GCcairoCanvas(const GCcairoCanvas&) = delete;
  GCcairoCanvas& operator=(const GCcairoCanvas&) = delete;

  bool ok() const;
  // The image as PNG on `out`; false when a write failed.
  bool writePNG(FILE* out);
  // 0xRRGGBB of an image pixel (tests).
  unsigned pixelAt(int x, int y);

  int width() const override { return width_; }
  int height() const override { return height_; }
#include "display/canvas_overrides.inc"

 private:
  template <class Shape> void paint(GCpen pen, bool fill, Shape shape);
  void applySource(GCpen pen);
  struct _cairo_pattern* layerStipple();

  int width_, height_;
  bool isImage_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  unsigned fg_ = 0xFFFFFF;
  unsigned xorFg_ = 0xFFFFFF;
  int lineWidth_ = 0;
  int layer_ = -1;
  bool stippled_ = false;
  bool clipped_ = false;
  double fontSize_ = 12;
  struct _cairo_pattern* stipple_ = nullptr;
  int stippleLayer_ = -1;
  unsigned stippleRGB_ = 0;
  const void* stippleBits_ = nullptr;
};
