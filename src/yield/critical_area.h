// Critical area of one layer for one defect size: the union, in the layer's
// critical-area plane, of every region where a square defect's centre would
// bridge two nets (extra material) or cut a wire (missing material).
#pragma once

enum DYcritMode { DY_REPORT = 0, DY_SWEEP_POINT = 1 };

// Bridges of plane `plane` within the window for defect size d (layout
// units). Mode 0 reports the figures, mode 1 adds (d in microns,
// sensitivity) to the sensitivity series. Returns the critical area in square
// microns, clamped to the layout area.
float DYcritAreaS(int plane, long d, long x1, long y1, long x2, long y2, int mode);
// The same for breaks.
float DYcritAreaO(int plane, long d, long x1, long y1, long x2, long y2, int mode);

// f.DYcritCompS / f.DYcritCompO: the active layer in the visible window at
// the defect size of the scale.
int DYcritCompS();
int DYcritCompO();

// Nets extracted and an active layer with a plane, else the warning and false.
bool DYneedNetsAndLayer(int* plane);
