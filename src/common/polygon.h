// Wires to outline polygons and polygons to rectangles.
#pragma once
#include "common/layout.h"

// Outline polygon of a wire of `width` along `points` (not consumed), or null.
_polys* GCpath2poly(const _points* points, long width);
inline constexpr int GC_MAX_PATH_POINTS = 512;

// Rectangles covering `polygon` (its point list is modified by GCorthPoly).
_rects* GCpoly2rects(_polys* polygon);

// The steps of the conversion. Edges are _box records (x1 = first x, y1 = y,
// x2 = second x), kept sorted by y, highest first.
int GCorthPoly(_points* points);  // returns the number of vertices inserted
int GCedgeCount(const _points* points);
_box* GCsortEdge(_points* points, int n);  // GCmalloc'ed array of n edges
// True when an edge changed (one pass; the cut repeats it until nothing changes).
bool GCmergeEdge(_box* edges, int* n);
// One rectangle cut from the lowest edge; false when none could be cut.
bool GCcut1Box(_box* edges, int* n, _rects* out);

// Largest number of cuts tried per polygon before giving up (a safety net for
// self-intersecting input): this many per horizontal edge.
inline constexpr int GC_CUTS_PER_EDGE = 64;
