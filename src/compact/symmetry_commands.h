// The interactive symmetry checks without their window parts: the front end
// collects the points and draws what these return.
#pragma once

struct _Dtransistor;

// A line to draw (world coordinates).
struct SYline {
  bool draw = false;
  long x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// f.BoundBox: resets the stores and the declared pairs, sets Bound_Box and
// forgets a half-chosen rectangle pair.
void SYboundBoxBegin();
enum SYboxStep { SY_BOX_FIRST, SY_BOX_CHECKED, SY_BOX_STOP };
struct SYboxResult {
  SYboxStep step;
  long x1, y1, x2, y2;  // the rectangle, smaller corner first
  SYline axis;           // the axis found (checked pairs only)
};
// One rectangle of two corners: the first is remembered, the second checks
// the transistors of the two rectangles against each other.
SYboxResult SYboundBoxRectangle(long ax, long ay, long bx, long by);

// f.SelTrans1 / f.SelTrans2 at a world point.
enum SYpickKind { SY_PICK_TRANSISTOR, SY_PICK_NET, SY_PICK_NOTHING, SY_PICK_NOT_READY, SY_PICK_NO_PLANES };
struct SYpick {
  SYpickKind kind;
  long net;  // SY_PICK_NET: the net number
};
// Selects the transistor under the point into trans1 (which 1) or trans2.
SYpick SYselectTransistor(int which, long x, long y);

// f.TransSym: the general pairing of the two selected transistors; the axis
// drawn across the first one's gate.
SYline SYtransSym();
