// A design-rule checker over rectangles, independent of the resizer's sweep:
// every layer is taken as the union of its rectangles on a grid cut at every
// rectangle edge, and the built-in rule tables (WIDTH, SPACING, EXTENSION
// with their _VALID flags, grid units times theGlobalScale) are checked
// along every row and every column of that grid:
//   width      every run of a layer's material is at least WIDTH long;
//   spacing    between a run of one layer and the next run of another (or
//              the same) layer, with neither in between, the gap is at
//              least SPACING;
//   enclosure  where a side of an inner layer's run lies inside a run of
//              the outer layer (or on its end), the outer run reaches at
//              least EXTENSION beyond it.
#pragma once
#include <string>
#include <vector>

struct CVrect {
  std::string layer;
  long x1, y1, x2, y2;  // internal units
};

// One line per violation ("spacing CMF-CMF 80 < 120 at y 400..480"); empty when clean.
std::vector<std::string> CVruleViolations(const std::vector<CVrect>& rects);
// The rectangles of the flattened layout of the last load.
std::vector<CVrect> CVflatRectangles();
// Bounding box of `rects` (x1, y1, x2, y2).
CVrect CVboundingBox(const std::vector<CVrect>& rects);
