// The symmetry core LP of the graph compactor. Symmetry rows (two distances
// that must be equal) are no difference constraints, so the longest paths
// ignore them. The core graph keeps only the lines named by symmetry rows,
// the symmetry cells' lines and a common source and sink (the boundary
// cell); its arcs are the longest paths between those lines that pass no
// other core line. That small problem goes to lp_solve as an integer LP;
// every symmetry row then becomes four fixed-distance arcs of the ordinary
// graph, which the second longest-path pass honours.
#pragma once
#include <cstdio>

struct SQCELL_item;
struct SQLINE_item;
struct SQARC_item;

// Alive only during one SQcoreproblem call.
extern SQCELL_item* SQboundcell;  // "BOUND", layer 203: left line -10 (source), right line -11 (sink)
extern SQARC_item* SQboundarc;
extern int SQboundarc_size;
extern SQLINE_item* SQcoreline;
extern int SQcoreline_size;
extern SQARC_item* SQcorearc;
extern int SQcorearc_size;
extern FILE* fcore;  // the MPS file being written
extern FILE* fres;   // the solver report being read

// The whole procedure on the current direction's graph. Ends the process
// (status 0) when a file cannot be opened, the core waves do not settle or
// the LP is infeasible; the files then stay in the working directory.
void SQcoreproblem();

// Figures of the latest call, for tests and benchmarks.
struct SQcoreFigures {
  int coreLines = 0, coreArcs = 0, symmetryRows = 0;
};
extern SQcoreFigures SQlastCore;
