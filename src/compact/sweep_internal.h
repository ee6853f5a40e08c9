// Storage and progress counters shared by the sweep's source files.
#pragma once
#include <vector>

#include "compact/sweep.h"

// Records of the sweep live until SWreset.
_edge* SWnewEdge();
_point* SWnewPoint(long x, long y);
box_item* SWnewBox(_edge* right, _edge* left, long x1, long y1, long x2, long y2);
_edge_w_box* SWnewSeEntry(box_item* piece, _edge* edge, _edge_w_box* next);
void SWfreeRecords();
void SWaddPin(PIN_LIST** list, int column);

// Progress of the running sweep, for the diagnostic printed every 5000 rows.
struct SweepProgress {
  long position = 0;    // value of the events being handled
  long last = 0;        // last event value of the queue
  long events = 0;      // events handled so far
  int ctLeft[16] = {}, ctRight[16] = {};  // events per layer
  int lpLeft[16] = {}, lpRight[16] = {};  // tree entries visited per layer
};
extern SweepProgress SWprogress;
void SWresetStore();

// Puts the events of one sweep position in processing order: appended in
// queue order, each right event pulling the listed left events whose closed
// y-intervals meet its own to just behind it (their order kept).
void SWorderGroup(std::vector<PROC_ITEM>& items);

class SweepProfile;
// The right event's change of the profile: B hides what it covers of the
// pieces it saw on its left (its Se list) and shows its own right side.
void SWshowRightSide(box_item* B, SweepProfile* profile);
// Whether B (left-visible) states a spacing row to the piece P it meets:
// they face each other through space, and P is not far (when the profile
// leaves far rows out).
bool SWstatesSideRow(box_item* B, box_item* P, const SweepProfile* profile);
// The profile pieces of layer L in the shade of B's corners (B->looks)
// that B states corner rows to, in row order: all of them, or (nearOnly)
// those within the far distance.
void SWcornerPieces(box_item* B, int L, SweepProfile* profile, bool nearOnly, std::vector<point>& out);
