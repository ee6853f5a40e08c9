// Spot-defect faults: the records of bridges (shorts between nets), pinholes
// and breaks (opens), the current fault lists and the shared command state.
#pragma once

#include "cs/cs.h"

inline constexpr int DF_MAXNETS = 32;   // nets in one short
inline constexpr int MAXNGATES = 128;   // terminals in one part of a break
inline constexpr int MAXNPARTS = 32;    // parts of one break
inline constexpr unsigned short DF_CRITICAL = 30;  // type of a critical tile

// The nets of one short, in ascending order.
struct _Dfshort {
  int nnets;
  int nets[DF_MAXNETS];
};

struct _DshortFault {
  long type;      // 0
  long fweight;   // critical area, square microns
  _Dfshort* fshort;
  _DshortFault* next;
};

// One part of a broken net: its terminals.
struct _DfpinList {
  long ngates;
  long gateno[MAXNGATES];    // transistor numbers
  short pinname[MAXNGATES];  // 0 gate, 1 source, 2 drain
};

// One break: the net and the parts its terminals fall into. A net of -1
// marks a break that overflowed a part.
struct _Dfopen {
  long net;
  long nparts;
  _DfpinList pinlist[MAXNPARTS];
};

struct _DopenFault {
  long type;      // 1
  long fweight;   // critical area, square microns
  _Dfopen* fopen;
  _DopenFault* next;
};

struct _DfaultTable {
  _DshortFault* shorts;  // the current short list
  _DopenFault* opens;    // the current open list
};

extern _DfaultTable FaultTable;
extern int FShortNum;    // distinct shorts extracted by the command
extern int FOpenNum;     // distinct breaks extracted by the command
extern long DefectSize;  // side of the square defects, layout units

// The defect size of the side panel's scale (tenths of a micron) in layout units.
long DFdefectSize();
// Refuses without extracted nets; else zeroes the counters and the break list.
bool DFinit();
// The plane of the first active layer of the layer panel, or -1.
int DFactiveIndex();
// The plane whose layer is `layer`; a missing one ends the program.
int DFlayerIndex(int layer);
// The plane of a layer number, or -1.
int DFfindPlane(int layer);
// Clears `processed` on every tile of a conductor plane.
void DFresetPlane(int plane);
// Layout units per micron for the weights.
double DFunitsPerMicron();

// The tiles of a box (clamped to the plane's range) in the plane `inPlane` is in.
_Dtilelist* DFenumerate(_Dtile* inPlane, long x1, long y1, long x2, long y2);
// Retraces the net of a tile; its tiles (caller frees) and bounding box.
_Dtilelist* DFretrace(_Dtile* tile, _box* bounds);
// The active layer's plane, or a warning and false.
bool DFneedActivePlane(int* plane);

// Plane 0's selected net (its first tile has a net), or a warning and false.
bool DFselectedNet();

// The window commands: without nets or an active layer they refuse; otherwise
// `pass` runs over the main view's visible window of the active plane at the
// scale's defect size.
using DFwindowPass = void (*)(long x1, long y1, long x2, long y2, int plane, long d);
int DFrunOnVisibleWindow(DFwindowPass pass);
// The selected-net commands: refuse without nets or a selected net.
using DFnetPass = void (*)(int plane, long d);
int DFrunOnSelectedNet(DFnetPass pass);

// Module reset (tests): empties the lists, counters and summaries.
void DFreset();
