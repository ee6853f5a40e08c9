// The view commands of the main drawing area: fit, redraw, refresh after
// exposure, zoom in and out, pan, and the box-difference demonstration.
#pragma once

struct _Gviewport;

// What the corner-stitched view (DworkingMode 9) draws, installed by the tile
// plane and extraction modules: the extent of the first tile layer's plane,
// the tiles of a world box, and the names drawn after a fit.
struct DVtileView {
  bool (*extent)(long* x1, long* y1, long* x2, long* y2) = nullptr;
  void (*draw)(_Gviewport* vp, long x1, long y1, long x2, long y2) = nullptr;
  void (*names)(_Gviewport* vp) = nullptr;
  // Box subtraction of the tile code: a minus b as rectangles (x1 y1 x2 y2 each).
  int (*boxMinus)(const long a[4], const long b[4], long out[][4], int max) = nullptr;
};
void DVsetTileView(const DVtileView& view);
// Module reset: no tile view, no remembered SUPER box, no batch images.
void DVreset();

int DVfit();
int DVredraw(void* widget, char* label, void* call);
// Redraws the pixel rectangle of the main view that an expose event names.
void DVrefresh(int x, int y, int w, int h);
int DVzoomin();
int DVzoomout();
int DVpan();
int DVsuper();

// Redraws the main view's visible window without clearing (canvas swapped, e.g. to SVG).
void DVdrawVisible(_Gviewport* vp);
