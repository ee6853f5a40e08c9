// Process options the graph back end reads. Their home is the resizer's
// option table; until it is in this tree they are defined here.
#pragma once

extern int COMPACT_ALGORITHM;
extern int PROCESS_INCLUDE_SYMMETRY;
extern int PROCESS_INCLUDE_RESIZING;
extern int PROCESS_INCLUDE_TRANSISTOR_PARASITIC;
extern int PROCESS_INCLUDE_WLM;
extern int VIA_CONTACT_REMOVAL;
extern int TRANSISTOR_SIZE_CHECK;
extern int Bound_Box;
