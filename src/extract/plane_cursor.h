// Point searches in named planes with one search hint per plane, so that a
// series of nearby look-ups in several planes walks only a few tiles each.
// Every command resets the hints before its first search (planes may have been
// rebuilt since the last one).
#pragma once

#include "cs/cs.h"

void DExResetCursors();
// Index of the plane named `name` / holding layer `layer` in DlayerTile, or -1.
int DExPlaneIndex(const char* name);
int DExPlaneOfLayer(int layer);
// The tile of plane `plane` holding (x, y); leaves Stitch on it. Null for a
// plane without tiles.
_Dtile* DExFind(int plane, long x, long y);
// Tiles of plane `plane` overlapping the box (AreaEnum), Stitch left in that plane.
_Dtilelist* DExEnum(int plane, long x1, long y1, long x2, long y2);
// The same tiles, in the same order, handed to `visit` without a list.
void DExVisit(int plane, long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*), void* context);
