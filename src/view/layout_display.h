// Drawing the layout database: layers in priority order, in their colours and
// stipples, with the frames of called cells.
#pragma once

struct _Gviewport;
struct _layout;
struct _instance;

// Fits the layout's frame into the viewport, clears and draws the visible window.
void ACdispall(_Gviewport* vp, _layout* layout, _layout* list);
// Draws the part of the layout inside the world box, every shown layer by priority.
void ACdispArea(_Gviewport* vp, _layout* layout, long x1, long y1, long x2, long y2, _layout* list);
// The layout's own geometry on one layer (transformed by the instance's steps,
// none for the top level), then the frames of the cells it calls.
void ACdisplayer(_Gviewport* vp, _instance* instance, _layout* layout, int layer, long x1, long y1, long x2,
                 long y2, _layout* list);
// True when the two boxes overlap with a positive area (touching is not enough).
bool ACoverlap(long ax1, long ay1, long ax2, long ay2, long bx1, long by1, long bx2, long by2);
// The labels of every shown layer whose point lies in the box (edges included), in `colour`.
void LabelDisplay(_Gviewport* vp, _layout* layout, int colour, long x1, long y1, long x2, long y2);
// Applies an instance's transformation steps, in the order written, to a point.
void ACtransformPoint(const _instance* instance, long* x, long* y);
