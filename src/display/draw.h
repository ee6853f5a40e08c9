// The drawing primitives, in world coordinates through a viewport. Each GG
// primitive draws with the viewport's plain context; its "x" twin draws the
// same figure in XOR, so that drawing it twice restores the picture. The GL
// forms draw with the layer context chosen by GLsetGC (colour and stipple).
#pragma once

struct _Gviewport;
struct _points;

void GGclear(_Gviewport* vp);
void GGline(_Gviewport* vp, long x1, long y1, long x2, long y2);
void GGxline(_Gviewport* vp, long x1, long y1, long x2, long y2);
void GGsegment(_Gviewport* vp, long x1, long y1, long x2, long y2, int width);
void GGxsegment(_Gviewport* vp, long x1, long y1, long x2, long y2, int width);
void GGrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill);
void GGxrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill);
void GGpoly(_Gviewport* vp, _points* points, int n, int fill);
void GGxpoly(_Gviewport* vp, _points* points, int n, int fill);
// The outline of a wire of `width` along `points` (world units).
void GGpath(_Gviewport* vp, long width, _points* points, int fill);
void GGcircle(_Gviewport* vp, long x, long y, long r, int fill);
void GGxcircle(_Gviewport* vp, long x, long y, long r, int fill);
// Arc of the circle of radius r about (x, y), from angle1 over angle2 degrees
// (counter-clockwise from three o'clock).
void GGarc(_Gviewport* vp, long x, long y, long r, int angle1, int angle2, int fill);
void GGxarc(_Gviewport* vp, long x, long y, long r, int angle1, int angle2, int fill);
void GGstring(_Gviewport* vp, long x, long y, const char* text);
void GGxstring(_Gviewport* vp, long x, long y, const char* text);
// Copies the world box (x1, y1)-(x2, y2) as `from` shows it to where `to` shows that box.
void GGareaCopy(_Gviewport* from, _Gviewport* to, long x1, long y1, long x2, long y2);
void GGsetColor(_Gviewport* vp, int index);
void GGsetFont(_Gviewport* vp, const char* name);
void GGsetLineWidth(_Gviewport* vp, long w);

// The layer context: Glayers[layer], stippled when the layer's fillmode is 1.
extern void* GLgc;    // Glayers[GLlayer].gc
extern int GLlayer;   // the layer selected by GLsetGC, -1 before
// Module reset of the display: empty viewports, no window hooks, the show
// switches on, no layer context selected.
void GGresetDisplay();
void GLsetGC(int layer);
void GLrectangle(_Gviewport* vp, long x1, long y1, long x2, long y2, int fill);
void GLpoly(_Gviewport* vp, _points* points, int n, int fill);
void GLcircle(_Gviewport* vp, long x, long y, long r, int fill);
void GLpath(_Gviewport* vp, long width, _points* points, int fill);
