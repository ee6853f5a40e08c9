// Fault lists: the short and open lists of the current net, their counting
// from the critical planes, and the fault files they are written to.
#pragma once

#include <cstdio>

#include "faultex/fault.h"

// ---- shorts -----------------------------------------------------------------
// Both nets are among the short's nets.
bool DFsameShort(const _Dfshort* s, int netA, int netB);
// Same count, same nets in the same order.
bool DFsameShorts(const _Dfshort* a, const _Dfshort* b);
// A new set: s's nets with both nets inserted in ascending order (no
// duplicates); null (reported) when it would hold more than DF_MAXNETS.
_Dfshort* DFmergeFault(const _Dfshort* s, int netA, int netB);
void DFcopyShort(const _Dfshort* from, _Dfshort* to);
// Inserts a bridge rectangle of nets a, b into the critical plane that Stitch
// points into; `flag` marks that one of the nets was handled already.
_Dtile* Put1CritCS(const _box* rect, int netA, int netB, short flag);
// Carving in a critical plane of shorts.
_Dtile* CTileCreation(long x1, long y1, long x2, long y2, _Dtile** tile);
// Counts the critical tiles of every critical plane into the short list
// (tiles of processed nets excepted), draws them, and empties the planes.
void DFScritAscan();
void DFaddShort(_Dtile* tile);
void DFcleanShortBuffer();
// Weight of a critical tile in square microns, truncated.
long DFtileWeight(const _Dtile* tile);

// ---- opens ------------------------------------------------------------------
// Same number of parts and, part by part, the same terminals in the same order.
bool DFsameOpen(const _Dfopen* a, const _Dfopen* b);
void DFcopyOpen(const _Dfopen* from, _Dfopen* to);
void DFcleanOpenBuffer();

// ---- fault files --------------------------------------------------------------
enum { DF_KIND_SHORT = 0, DF_KIND_OPEN = 1, DF_KIND_PINHOLE = 2 };
// Appends the current list of `kind` to its file (all layers when layer is
// -1), opening it at the first flush of a command; keep 0 closes it and writes
// the total (and for opens the summary). The file takes its name only when
// complete; false (after the error message) when it could not be written.
bool DFflushFault(int layer, int kind, int keep);
// Writes and clears the current short list for a layer and closes the file.
void DFSoutput(int layer);
// Drops a file left unfinished and clears the summary counters (tests).
void DFresetFaultFile();
// The channel class of a gate terminal: 0 P-channel, 1 N-channel.
int DFgateType(long number);
// Counts a break that gets a line into the summary.
void DFsortOpens(_DopenFault* fault, int final);

// Open summary counters (whole run): total, P-, N- and mixed-channel classes.
struct DFopenSummary {
  long count[4];
  long weight[4];
};
const DFopenSummary& DFsummary();
