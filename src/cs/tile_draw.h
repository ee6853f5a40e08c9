// Debug drawing of tiles on the main viewport.
#pragma once
#include "cs/cs.h"

void TestTile(_Dtile* tile, int colour);   // fills the tile's rectangle
void BoundTile(_Dtile* tile);              // outlines it
void FlagTile(_Dtile* tile);               // circle 40 pixels across at its centre
