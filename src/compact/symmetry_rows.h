// Symmetry as rows of the equation store: every axis becomes a variable of
// its own (layer 100, 101 for the graph back end's twin), tied to the
// mirrored sides so the solver may move the axis but keeps the mirror.
// The axis rows of the LP back end are SYM_AXIS_LIST::lie_on_sym and
// ::sym_const_gen (symmetry_lists.h).
#pragma once

struct _adjacency_list;
struct _edge;
struct _rhs_list;
struct _Dtile;

inline constexpr short SY_AXIS_LAYER = 100;
inline constexpr short SY_AXIS_TWIN_LAYER = 101;

// The graph back end's rows from final_sym_list for direction 1 (x; the axis
// variables are made here first) or 2 (y). The rows go to the store of that
// direction (equat_bucket / equat_bucket_y as they are after the axis
// variables were added; `eq` is not kept, since the store may move).
void user_defined_sym_constraint_generate(_adjacency_list** eq, _rhs_list** rhs, int direction);

// The variable of a tile's side: 1 left, 2 right (x store), 3 top, 4 bottom
// (y store), among the tiles' variables; null (with a message) when none.
_edge* findedge(_Dtile* tile, int side);

// The first y variable at e's level on `layer`: with a layer other than 0 one
// whose extent covers `loc`, with layer 0 one starting at `loc`. Null (with
// a message) when none.
_edge* lookup_equa(_adjacency_list** eq, _edge* e, long loc, int layer);
