// Drawing tiles: the corner-stitched view, tile lists, and the tile marks.
#pragma once
#include "cs/cs.h"

struct _Gviewport;

void ListDisplay(_Gviewport* vp, _Dtilelist* list, int colour);
// The planes inside the world box, with highlighted/selected tiles and labels.
void TileDisplay(_Gviewport* vp, long x1, long y1, long x2, long y2);
// Hands the corner-stitched view to the view commands, the tile marks to the
// tile core and the main view's redraw to the analyses (each front end calls
// it at start-up).
void DVinstallViewHooks();
