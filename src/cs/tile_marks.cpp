#include "cs/tile_marks.h"

namespace {
CStileMarks marks;
}  // namespace

void CSsetTileMarks(const CStileMarks& m) { marks = m; }

void TestTile(_Dtile* tile, int colour) {
  if (marks.fill) marks.fill(tile, colour);
}

void BoundTile(_Dtile* tile) {
  if (marks.bound) marks.bound(tile);
}

void FlagTile(_Dtile* tile) {
  if (marks.flag) marks.flag(tile);
}
