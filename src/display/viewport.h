// Viewports: the mapping of world coordinates (internal layout units, y up)
// onto the pixels of a canvas (y down).
#pragma once

class GCanvas;

struct _Gviewport {
  int id;
  void* widget;        // the drawing area (Motif program only)
  unsigned long w;     // its window
  float scale;         // world units per pixel
  long ox, oy;         // world coordinates of the window's lower-left corner
  void* gc;            // the plain drawing context (canvas-specific)
  void* xorgc;         // the XOR drawing context (canvas-specific)
  GCanvas* canvas;     // where the primitives draw
};

extern _Gviewport Vmain;   // the main drawing area
extern _Gviewport Vpopup;  // the plot window's drawing area
extern int PopupWindowIsThere;

// Scale 1.0, origin (0, 0), drawing on `canvas`.
void DIvpInit(_Gviewport* vp, GCanvas* canvas, void* widget);
// Width and height of the viewport's window in pixels (0 without a canvas).
int GCvpWidth(const _Gviewport* vp);
int GCvpHeight(const _Gviewport* vp);

void GCwtov(const _Gviewport* vp, long wx, long wy, long* vx, long* vy);
void GCvtow(const _Gviewport* vp, long vx, long vy, long* wx, long* wy);
void GCinstallVp(_Gviewport* vp, long x, long y, long w, long h);
void GCinstallVpC(_Gviewport* vp, long x, long y, long w, long h);
// The world window the viewport shows: (ox, oy) to (ox + W*scale, oy + H*scale).
void GCvisibleWindow(const _Gviewport* vp, long* x1, long* y1, long* x2, long* y2);

void GCresetViewports();
