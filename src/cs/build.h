// Building every tile plane of a technology from the smashed layout, the
// critical-area companion planes, and freeing it all.
#pragma once
#include "cs/cs.h"

int DCcrtCS();                                   // f.DCcrtCS
void CrtLayerCS(int plane, short element);
_Dtile* ElementCreation(_rects* rect, short type, _Dtile* start, int plane);
void CrtContact(_Dtile* lower, _Dtile* upper, int conLayer);
void DCcleanPlane(short plane);
int GCfreeCS();                                  // f.GCfreeCS
// f.GCactivateCS: the main view shows the planes (1), or "No corner stitch layout is available" (0).
int GCactivateCS();

// Called by DCcrtCS before it drops the old planes, so whoever keeps records
// pointing into them (the extraction) lets go first.
void CSsetRebuildHook(void (*dropPlaneUsers)());

// How often each contact warning happened in this run (printed the first time only):
// 0 lower >1 tile, 1 invalid lower, 2 lower position, 3 upper >1 tile, 4 invalid upper, 5 upper position.
long CScontactWarnings(int which);
