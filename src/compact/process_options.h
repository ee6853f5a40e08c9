// Resizer process options: plain globals with compiled-in initial values,
// read by the resizer's stages and set by its commands, by the process
// choice and, by name, from scripts.
#pragma once

// 0: process choice "60" without asking, 1: "63" without asking, other: ask.
extern int PROCESS_OPTION;
// 0: LP back end, 1: graph back end.
extern int COMPACT_ALGORITHM;
// 1: user-declared symmetry (Bound_Box 1), 2: geometric detection (Bound_Box 0),
// 0: Bound_Box as it is.
extern int PROCESS_INCLUDE_SYMMETRY;
// 0: no transistor resizing; 1 to 5: the source of the new sizes.
extern int PROCESS_INCLUDE_RESIZING;
// 0 none, 1 transistor parasitics from a file, 2 from the built-in array.
extern int PROCESS_INCLUDE_TRANSISTOR_PARASITIC;
// 1: inductors / capacitors are taken out of the planes before the scan and
// recognised after a load. Every form or file acceptance sets both back to 1.
extern int PROCESS_INCLUDE_INDUCTOR;
extern int PROCESS_INCLUDE_PASSIVE;
// 1: stop after symmetry detection.
extern int TEST_SYMMETRY_ONLY;
// Non-zero: CPU times are sampled and time_rpt.txt is written.
extern int TIME_REPORT;
extern float RESIZING_FACTOR;
extern int PROCESS_INCLUDE_WLM;
extern int VIA_CONTACT_REMOVAL;
extern float VIA_NUM_REDUCE_RATIO;
extern int TRANSISTOR_SIZE_CHECK;
// Spacing rows to far pieces in the graph back end: 0 every row is stated;
// 1 (initial) they are left out of the sweep and checked on the result on
// layouts of SW_FAR_ROW_TILES solid tiles or more, where every row would
// grow faster than the layout; 2 they are left out on every layout.
extern int SWEEP_FAR_ROWS;
inline constexpr long SW_FAR_ROW_TILES = 10000;
// CIF names of the layers the contact and device-size stages work on.
extern char ACTIVE_CONTACT_LAYER[64];
extern char METAL_ONE_LAYER[64];
extern char ACTIVE_LAYER[64];
extern char POLY_LAYER[64];
// Objective weight per layer number of the LP back end.
inline constexpr int RS_COEFF_LAYERS = 32;
extern int COEFF[RS_COEFF_LAYERS];

// Every option back to its initial value.
void RSresetOptions();

// Sets the option `name` from the text `value` ("1", "1.5", "CCA"; for COEFF
// "LAYER WEIGHT"). Returns false, leaving every option as it was, with the
// reason in *why, for an unknown name or a value of the wrong kind.
bool RSsetOption(const char* name, const char* value, const char** why);
