// The graph back end of the resizer: both sweeps, the graphs of both
// directions, resizing, longest paths and sq_out.cif.
#pragma once

class sweep_list;
struct _adjacency_list;

// Runs the whole back end on the stores filled by scan_toget_variables
// (xeq / yeq are the stores' globals: symmetry rows may move them). When the
// process options ask for a stage this program does not have, it says so in
// one message and returns false before writing anything; true once
// sq_out.cif is written. `sym` is accepted for the driver's call and unused.
bool SQ_resize(sweep_list& xq, _adjacency_list**& xeq, sweep_list& yq, _adjacency_list**& yeq, int sym);

// After SQ_resize returned false: true when it stopped because the result,
// solved with the far spacing rows left out (SWleaveFarRows), breaks one
// of them; the caller runs the sweeps again with every row.
bool SQfarRowsFailed();

// False, after one message naming the missing stage and the option that
// avoids it, when the current options need a stage this program lacks.
bool SQstagesPresent(bool symmetryRows);

// True when the equation stores hold a row of more than two unit terms
// (a symmetry row, which needs the core LP).
bool SQhasSymmetryRows();
