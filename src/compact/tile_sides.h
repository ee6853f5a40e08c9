// Neighbour facts of a rectangle's tile in the sweep's direction. In the y
// direction the sweep's left, right, bottom and top are the layout's bottom,
// top, left and right, so one set of rules serves both directions.
#pragma once

struct _Dtile;
struct box_item;

enum SWside { SW_LEFT, SW_RIGHT, SW_BOTTOM, SW_TOP };

// Some tile on that side is space (the side is "visible").
bool SWvisible(box_item* box, SWside side);
// Every tile on that side is space (the side is "free").
bool SWfree(box_item* box, SWside side);
// No solid tile on that side overlaps the open interval (lo, hi) of the
// sweep's y: the side is an outer edge of its material there.
bool SWfreeOver(box_item* box, SWside side, long lo, long hi);
// Some stretch of the open interval (lo, hi) of that side is space.
bool SWspaceIn(box_item* box, SWside side, long lo, long hi);
// Somewhere along the rectangle both its left and its right neighbour are
// space: there its own width is the width of its material.
bool SWseeThrough(box_item* box);
// Drops what SWfreeOver remembered of the sides (with the rectangles).
void SWforgetSides();
// Both tiles at the bottom-left corner stitches (lb, bl) are space.
bool SWbottomCorner(const box_item* box);
// The solid tiles above all start right of the left side and the solid tiles
// to the left all end below the top.
bool SWtopCorner(const box_item* box);
