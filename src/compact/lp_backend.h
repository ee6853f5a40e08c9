// The LP back end of the resizer: each direction is swept and solved by the
// external lp_solve in two phases (phase one: the smallest extent; phase
// two: the smallest weighted widths within that extent, plus the symmetry
// rows), the solved coordinates go back into the variables' end points, and
// generate_result writes the compacted layout as result.cif.
//
// Files in the working directory: mps.file (the problem), mps.file.rpt (the
// solver's report), both moved into resize_report/ after each phase as
// LPmps_LR_<phase>.file[.rpt] (x) or LPmps_TB_<phase>.file[.rpt] (y).
#pragma once

#include "compact/sweep.h"

// 0 in the first LP phase, 1 in the second.
extern unsigned char PHASEII;

// Time spent in the steps of the last D_resize calls (for the benchmark).
struct LPstepTimes {
  // processor seconds: the solver's as a finished child process, the rest this process's
  double sweep = 0, mpsWriting = 0, solver = 0, readBack = 0;
};
extern LPstepTimes LPtimes;

// Both phases of the direction X_direction names, on that direction's queue
// and store (`eq` is the store's global, read again after symmetry rows may
// have grown it). False, after one message, when the solver could not be
// run or gave no solution; the variables then keep what they had.
bool D_resize(sweep_list& queue, _adjacency_list**& eq);

// Writes mps.file for the phase PHASEII names, runs the solver, reads the
// report. Phase one: *largest is the largest value (the extent). Phase two:
// the values go into the variables' end points, pins are pulled to the
// smallest / largest value, and `bound` limits every right side. False,
// after one message, when no solution came back.
bool mps_gen(_adjacency_list** eq, _rhs_list* rhs, long bound, long* largest);

// Writes result.cif from the solved x and y variables (under a temporary
// name first, so a failed run never leaves half a file). A file that cannot
// be opened ends the process (status 0); false after a message when the
// finished file cannot be put in place.
bool generate_result(_adjacency_list** xeq, _adjacency_list** yeq);
