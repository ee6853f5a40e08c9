// Bridge and pinhole extraction (f.DFex1LayerS, f.DFex1NetS, f.DFexLayersS,
// f.DFexLayersP, f.DFshowShort).
#pragma once

#include "cs/cs.h"

// Collects the bridges of a net's tiles (of one plane, or all when plane is
// -1) into the critical planes, and marks the tiles processed.
void DFproc1NetS(_Dtilelist* tiles, int plane, long d);
// Collects the pinholes of a net's tiles with the nets of the layers joined
// to theirs by a connection.
void DFproc1NetPin(_Dtilelist* tiles);
// The planes of the layers a connection joins to a plane's layer, in
// connection order; returns their number.
int DFfindNeighborL(int plane, int* planes);

void DFextraLayers(int plane, long d);
void DFpinholes();
void DFextra1Net(int plane, long d);
void DFextra1Layer(long x1, long y1, long x2, long y2, int plane, long d);
void DFdisp1Short(long x1, long y1, long x2, long y2, int plane, long d);

// The world window the main view shows.
void DFvisibleWindow(long* x1, long* y1, long* x2, long* y2);

// Commands.
int DFex1LayerS();
int DFex1NetS();
int DFexLayersS();
int DFexLayersP();
int DFshowShort();
