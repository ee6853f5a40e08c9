// Drawing tiles: the corner-stitched view, tile lists, and the debug marks.
#pragma once
#include "cs/cs.h"

struct _Gviewport;

void TestTile(_Dtile* tile, int colour);   // fills the tile's rectangle on the main view
void BoundTile(_Dtile* tile);              // outlines it
void FlagTile(_Dtile* tile);               // circle 40 pixels across at its centre
void ListDisplay(_Gviewport* vp, _Dtilelist* list, int colour);
// The planes inside the world box, with highlighted/selected tiles and labels.
void TileDisplay(_Gviewport* vp, long x1, long y1, long x2, long y2);
// Hands the corner-stitched view and the layer panel's plane lookup to the
// display (called by InitStitch).
void CSinstallViewHooks();
