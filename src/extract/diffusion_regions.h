// Diffusion regions of the active plane: tiles of one type joined through
// each other without crossing a gate (element) tile. Transistor recognition
// asks which region each terminal tile lies in; every region is flooded once
// per extraction, so a diffusion shared by many gates costs no more than one.
#pragma once

#include "cs/cs.h"

void DExClearRegions();
// The region number of a solid, non-element tile (from 0, in order of first request).
int DExRegionOf(_Dtile* tile);
