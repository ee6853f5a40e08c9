// Break extraction (f.DFex1LayerO, f.DFex1NetO, f.DFexLayersO, f.DFshowOpen).
#pragma once

#include <vector>

#include "cs/cs.h"
#include "faultex/fault.h"

struct _DtermList;

// One cut of the net in progress (its tiles, sorted) and what it does to the
// net; critical tiles of breaks carry these. Owned by the break list.
struct DFbreak {
  std::vector<_Dtile*> cut;
  const _Dfopen* open;  // the effect, shared by every cut with the same effect
};

// Collects the breaks of a net (tiles of one plane, or all when -1).
void DFproc1NetO(_Dtilelist* tiles, _DtermList* terms, int plane, long d);
// The boundary space tiles of a net, marked (node 1) and listed.
_Dtilelist* DFxBSTiles(_Dtilelist* tiles, int plane);
// The effect of cutting the tiles in `box` (enumerated in the plane Stitch
// points into), or null when it separates no terminals.
const DFbreak* DFextOpen(const _box* box, _DtermList* terms, _Dtilelist* tiles);
// The effect of blocking a set of tiles (sorted), from the break list.
const DFbreak* DFnewBreak(const std::vector<_Dtile*>& cut);
// The record of the parts traced so far (null: one part, or too many).
const _Dfopen* DFterm2Fault(_DtermList* terms, int nparts);
// Inserts an open critical rectangle into the critical plane Stitch points into.
_Dtile* Put1CritCSO(const _box* rect, const DFbreak* open);
_Dtile* CTileCreationO(long x1, long y1, long x2, long y2, _Dtile** tile);
// The break for an overlap of two breaks' critical areas: both cuts at once.
const DFbreak* DFmergeFaultO(const DFbreak* a, const DFbreak* b);
// Counts every open critical tile into the open list, draws it, empties the planes.
void DFOcritAscan();
void DFaddOpen(_Dtile* tile);
void FreeBreakList();
void DFfreeBreakList();
// Prints the breaks of the open list on the terminal.
void DFreportOpens(_DopenFault* list);
void DFreportOpen(_DopenFault* open);

void DFmissLayers(int plane, long d);
void DFmiss1Net(int plane, long d);
void DFmiss1Layer(long x1, long y1, long x2, long y2, int plane, long d);
void DFdisp1Open(long x1, long y1, long x2, long y2, int plane, long d);

int DFex1LayerO();
int DFex1NetO();
int DFexLayersO();
int DFshowOpen();
