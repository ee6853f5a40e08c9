// The one small drawing interface every picture goes through: the X window of
// the Motif program and the Cairo image/SVG surface of the batch program both
// implement it. Coordinates are window pixels, y pointing down.
#pragma once


struct GCpixelPoint {
  int x, y;
};

// Which drawing context a primitive uses: the viewport's plain one, its XOR
// one (drawing twice restores the picture), or the current layer's (colour and
// fill stipple of the layer last selected with setLayer).
// The views' background: a light grey on which black, white and the layer
// colours all stand out.
inline constexpr unsigned GC_VIEW_BACKGROUND_RGB = 0xB3B3B3;

enum GCpen { GC_PEN_NORMAL = 0, GC_PEN_XOR = 1, GC_PEN_LAYER = 2 };

class GCanvas {
 public:
  virtual ~GCanvas() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;

  virtual void clear() = 0;
  virtual void clearArea(int x, int y, int w, int h) = 0;
  // Foreground of both the plain and the XOR context (pixel for X, 0xRRGGBB for images).
  virtual void setColor(unsigned long pixel, unsigned rgb) = 0;
  // Line width in pixels of both the plain and the XOR context.
  virtual void setLineWidth(int pixels) = 0;
  // Returns false when the font does not exist (the canvas then uses "fixed").
  virtual bool setFont(const char* name) = 0;
  // Selects the drawing context of Glayers[layer] for GC_PEN_LAYER, stippled or solid.
  virtual void setLayer(int layer, bool stippled) = 0;

  virtual void drawPoint(GCpen pen, int x, int y) = 0;
  virtual void drawLine(GCpen pen, int x1, int y1, int x2, int y2) = 0;
  // Outline covers w+1 x h+1 pixels, a fill w x h, as X draws them.
  virtual void drawRectangle(GCpen pen, int x, int y, int w, int h, bool fill) = 0;
  virtual void drawPolygon(GCpen pen, const GCpixelPoint* points, int n, bool fill) = 0;
  // Angles in 64ths of a degree, counter-clockwise from three o'clock, as in X.
  virtual void drawArc(GCpen pen, int x, int y, int w, int h, int angle1, int angle2, bool fill) = 0;
  virtual void drawString(GCpen pen, int x, int y, const char* text) = 0;
  // Copies a w x h area at (sx, sy) of this canvas to (dx, dy) of `to`.
  virtual void copyArea(GCanvas* to, int sx, int sy, int w, int h, int dx, int dy) = 0;
  // Limits every context's drawing to a rectangle (a refresh of an exposed area).
  virtual void setClip(int x, int y, int w, int h) = 0;
  virtual void clearClip() = 0;
  virtual void flush() {}
};
