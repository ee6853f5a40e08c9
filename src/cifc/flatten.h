// Flattening of the cell hierarchy in place, instance transformations and the
// element-adding helpers shared by the reader and the flattener.
#pragma once
#include "common/layout.h"

// Applies an instance's steps in the order written to (x, y).
void PointTrans(const _opcode* steps, int count, long x, long y, long* xo, long* yo);
// Transformed copy of a point list (in reverse order); `bbox` gets its extent.
_points* PlistTrans(const _opcode* steps, int count, const _points* list, _box* bbox);

// Add one element to slot `layer` of `cell` (created when missing, named after the
// technology layer) at the head of its list; rectangles, paths, polygons and circles
// extend the cell's frame, labels do not (flattening extends it itself).
void GCsave1rect(_layout* cell, int layer, long x1, long y1, long x2, long y2);
void GCsave1path(_layout* cell, int layer, long width, _points* points);  // takes the list
void GCsave1poly(_layout* cell, int layer, _points* points);              // takes the list
void GCsave1cir(_layout* cell, int layer, long d, long x, long y);
void GCsave1label(_layout* cell, int layer, const char* text, long x, long y);
// A copy of `text` at (x, y) added at the head of the slot's labels.
void GCaddLabel(_symbol* slot, const char* text, long x, long y);
void GCsaveLayerName(_layout* cell, int layer, const char* name);
// Technology name of layer number `layer`, "" when none.
const char* GClayerNameOf(int layer);

// Flattens the top cell once and makes it current ("The layout is flattened").
int GCflatten();
void GCflattenLayout(_layout* top, _layout* list);
void GCflattenLayer(_layout* target, const _instance* instance, _layout* cell, _layout* list);
// Makes Gactive current again ("The layout is recovered").
int GCunflatten();
// No action: the reader already produced rectangles.
int GCsmash();

// Flattening refuses a hierarchy that would expand to more elements than this.
extern double GCflattenLimit;
