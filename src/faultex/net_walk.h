// The order in which the whole-layout fault commands visit nets: element by
// element, transistor by transistor (list order), the gate-layer tile under
// the gate, the source and the drain. Nets no terminal reaches are not visited.
#pragma once

#include <functional>

#include "cs/cs.h"

// Calls `net` once per unprocessed terminal tile met (the callback marks the
// net's tiles processed). Prints the "Unprocessed nets" counter unless silent.
void DFwalkNets(const std::function<void(_Dtile*)>& net);
// The 'processed' mark on every tile of a list.
void DFmarkProcessed(_Dtilelist* tiles);
// Clears 'processed' on every conductor plane (those below GlayerNum).
void DFresetPlanes();
// The net counter rewritten in place (unless silent).
void DFcounter(long value);
