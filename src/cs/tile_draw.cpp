// PLACEHOLDER until the viewport primitives are in main.
#include "cs/tile_draw.h"
void TestTile(_Dtile*, int) {}
void BoundTile(_Dtile*) {}
void FlagTile(_Dtile*) {}
