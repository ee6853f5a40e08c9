// Wirelength minimisation of the graph compactor. After the two longest-path
// passes every line has a feasible interval [min_loc, max_loc]; placing all
// lines at min_loc packs everything left and stretches the cells (wires).
// Units (lines that move together: rigid pairs) gathered in groups are moved
// right, within their slack, while that shortens the total length.
#pragma once

#include "squeeze/sq_graph.h"

struct SQWLM_GROUP_item;

// Arc classes (SQARC_item::wlm_type), decided once per run.
enum SQwlmType : short {
  SQWLM_CELL = 11,        // same cell, left line to right line (the cell's own length)
  SQWLM_OTHER_LR = 13,    // different layers, left to right line
  SQWLM_OTHER_SAME = 12,  // different layers, left to left or right to right
  SQWLM_LAYER_LR = 14,    // same layer, different cells, left to right line
  SQWLM_CELL_BACK = 31,   // same cell, right line to left line, negative weight
  SQWLM_SPACING = 81,     // right line to left line, weight >= 0
  SQWLM_LAYER_SAME = 84,  // same layer, left to left or right to right, weight >= 0
  SQWLM_IDLE = 91,        // not in force
  SQWLM_RIGID = 92,       // the terminus has an arc back with the opposite weight
  SQWLM_SYMMETRY = 93,    // symmetry record without lines
  SQWLM_NONE = 94,        // none of the above (reported)
};

struct SQWLM_LINE_LIST_item {
  SQLINE_item* line;
  SQWLM_LINE_LIST_item* line_list;
};

struct SQWLM_UNIT_LIST_item {
  SQWLM_UNIT_item* unit;
  SQWLM_UNIT_LIST_item* unit_list;
};

// A set of lines that move together.
struct SQWLM_UNIT_item {
  long weight, orig_weight, accum_weight;  // change of total length per step right
  short merge;                             // mark of a group split
  SQWLM_LINE_LIST_item* line_list;
  SQWLM_LINE_LIST_item* right_most;  // largest wlm_loc (the last found on equality)
  SQWLM_LINE_LIST_item* left_most;   // smallest wlm_loc (the last found on equality)
  SQWLM_GROUP_item* group;
  SQWLM_UNIT_item* stack;  // next on the work stack
  SQWLM_UNIT_item* next;
  SQWLM_UNIT_item* prev;
  short on_stack;
};
using SQWLM_UNIT = SQWLM_UNIT_item;

// Units that currently move together.
struct SQWLM_GROUP_item {
  long weight;  // sum of the units' weights (99 for the block group)
  short valid;  // slot in use
  SQWLM_UNIT_LIST_item* root;
  SQWLM_UNIT_LIST_item* unit_list;
};
using SQWLM_GROUP = SQWLM_GROUP_item;

extern SQWLM_UNIT_item* SQwlm_unit;      // head of the unit list
extern SQWLM_UNIT_item* SQwlm_unit_tos;  // top of the work stack
extern int SQwlm_unit_count;
extern SQWLM_GROUP_item* SQwlm_block_group;     // the frozen units
extern SQWLM_GROUP_item* SQwlm_nonblock_group;  // SQwlm_unit_count slots
extern int SQwlm_nonblock_group_count;

// Positions into every line's wlm_loc. Returns 4 when they are to be used;
// any other value means the minimum positions are to be used instead.
// `arcs` is the head of the global arc chain; `ncells` the layout cells
// (symmetry cells follow them, SQsymcell_size of them).
int SQwirelengthminimization(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs);

// The total length the minimisation lowers, over the arcs of the chain with
// the lines' positions read from `position` (&SQLINE_item::min_loc, ::wlm_loc,
// ::loc): 10 per unit of a cell's own length (classes 11, 31) and 1 per unit
// of the distances of classes 12, 13 and 14. Uses the classes of the latest run.
long SQwirelengthTotal(SQARC_item* arcs, long SQLINE_item::*position);

// Figures of a run, for tests and benchmarks.
struct SQwlmFigures {
  int units = 0, iterations = 0, moves = 0, unclassified = 0;
  bool infeasible = false;     // the positions broke an arc and were not used
  long minimumTotal = 0;       // SQwirelengthTotal at the minimum positions
  long placedTotal = 0;        // and at the positions returned
  double seconds = 0;          // time of the run
};
extern SQwlmFigures SQlastWlm;
// The latest run of each direction (index 1 LEFT_RIGHT, 2 TOP_BOTTOM).
extern SQwlmFigures SQwlmOfDirection[3];
// Time of all runs since it was last set to 0 (the benchmark's step cost).
extern double SQwlmSeconds;
