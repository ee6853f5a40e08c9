// Marking single tiles on the screen: what the picking, extraction, fault and
// check commands show the user. The tile core draws nothing itself; the view
// installs the drawing, and without it the marks are silently skipped.
#pragma once

struct _Dtile;

struct CStileMarks {
  void (*fill)(_Dtile* tile, int colour) = nullptr;  // fills the tile's rectangle on the main view
  void (*bound)(_Dtile* tile) = nullptr;             // outlines it
  void (*flag)(_Dtile* tile) = nullptr;              // circle 40 pixels across at its centre
};
void CSsetTileMarks(const CStileMarks& marks);

void TestTile(_Dtile* tile, int colour);
void BoundTile(_Dtile* tile);
void FlagTile(_Dtile* tile);
