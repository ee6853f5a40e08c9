// The batch script lines that stand for the window: point input, the image
// of the main view, the defect-size scale and the layer panel.
#pragma once

bool DVbatchPoint(const char* args, int lineno);   // "point X Y": button 1 at world (X, Y)
bool DVbatchPoint3(const char* args, int lineno);  // "point3": button 3
bool DVbatchView(const char* args, int lineno);    // "view FILE": PNG, or SVG by extension
bool DVbatchScale(const char* args, int lineno);   // "scale N": tenths of a micron
bool DVbatchLayer(const char* args, int lineno);   // "layer NAME": make NAME the active layer
bool DVbatchViewSize(const char* args, int lineno);  // "viewsize W H": the main view's pixels
