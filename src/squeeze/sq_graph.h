// The squeeze constraint graph: one graph per compaction direction, made of
// cells (the rectangles of the scanned layout, plus symmetry cells), lines
// (the two edges of a cell that move in the compaction direction) and arcs
// (difference constraints ter.loc - ori.loc >= weight between lines).
//
// Exactly one direction is current: its graph lives in SQcell / SQarc / ...,
// the other one is parked in the _LR or _TB copies (SQswitch_direction).
// Cells and the arcs of the equation columns are arrays sized once from the
// equation store; arcs added later are allocated one by one and chained in
// the global arc chain (list_next) directly behind SQarc_lastinstruct.
#pragma once

struct _Dtile;
struct _DtileCold;
struct _adjacency_list;
struct _rhs_list;
struct SQLINE_item;
struct SQARC_item;
struct SQSYMARC_item;
struct SQWLM_UNIT_item;
struct SQPOSCYCLE_GRAPH_item;

enum SQdirection { NO_DIR = 0, LEFT_RIGHT = 1, TOP_BOTTOM = 2, END_DIR = 3 };

struct SQbox {
  long x1, y1, x2, y2;
};

struct SQCELL_item {
  char layername[32];     // mask layer, "SYM" symmetry cell, "BOUND" boundary cell
  int layernumber;        // technology layer; 202 / 201 symmetry cell, 203 boundary
  int layershrink;
  _Dtile* mother_tile;    // null for symmetry and boundary cells
  SQbox corner;           // true layout coordinates whatever the direction
  SQLINE_item* left;      // lower edge in the compaction direction
  SQLINE_item* right;     // upper edge; null for a one-variable symmetry cell
  SQCELL_item* layernext; // cells of one layer, for the output
  int number;             // number of the left line
  long alpha;
  int ontransistor, oninductor;
  unsigned char upward;
  _DtileCold* cold;       // the tile's cold fields (set with the cell), so switching needs no lookup
};
using SQCELL = SQCELL_item;
using pSQCELL = SQCELL_item*;

struct SQLINE_item {
  SQCELL_item* cell;
  int number;             // variable index + 1: left lines odd, right lines even
  long loc, min_loc, max_loc;
  int no_ori, no_ter;     // arcs leaving / entering
  int onsym, onbound;
  SQARC_item* ori_next;   // head of the leaving arcs (linked through ori_next)
  SQARC_item* ter_next;   // head of the entering arcs (linked through ter_next)
  int syalign_visited;
  long BMweight, BMprevweight;
  int BMwave;
  long wlm_loc;
  SQWLM_UNIT_item* wlm_unit;
  // Working marks of the longest-path passes.
  int BMexpanded;                  // last wave in which the line was expanded
  SQARC_item* BMparent;            // arc of the latest improvement (cycle watch)
  unsigned BMvisit;                // stamp of the cycle watch's walks
  int BMindex;                     // position in the pass's line order
  SQPOSCYCLE_GRAPH_item* BMtrace;  // newest trace record of the line
};
using SQLINE = SQLINE_item;

// Fields ordered so that a record fills exactly one 64-byte cache line: the
// passes and dumps reach arcs through the line lists, one random access each.
struct SQARC_item {
  long weight;
  SQLINE_item* ori;
  SQLINE_item* ter;
  SQARC_item* ori_next;
  SQARC_item* ter_next;
  SQSYMARC_item* sym;
  SQARC_item* list_next;  // global chain: array part, then separately added arcs
  int rank;               // constraint row, or a marker (< 0)
  short occupied;         // 1 in force, 0 removed, 99 marked for removal
  short wlm_type;
};
static_assert(sizeof(SQARC_item) == 64, "an arc record fills one cache line");
using SQARC = SQARC_item;

// ter1 + ter2 - ori1 - ori2 = 0 (ter1 + ter2 - 2 ori when ori1 is ori2).
struct SQSYMARC_item {
  int rank;
  SQLINE_item *ori1, *ori2, *ter1, *ter2;
  SQARC_item* arc;
  SQARC_item *arc2, *arc3, *arc4;
  SQSYMARC_item* next;
};
using SQSYMARC = SQSYMARC_item;

struct SQLINES_item {
  SQLINE_item* line;
  SQLINES_item* next;
};
struct SQARCS_item {
  SQARC_item* arc;
  SQARCS_item* next;
};
struct SQLAYERCELL_item {
  char layername[32];
  SQCELL_item* layernext;
};
struct SQCELLMAPPING_item {
  SQCELL_item* old_cell;
  SQCELL_item* new_cell;
};

// ---- state of the current direction and the parked copies -------------------
extern int resize_direction;
extern int step;  // 0 until the first successful SQinit, then 2 (error reports)

extern SQCELL_item* SQcell;
extern int SQcell_size, SQsymcell_size, SQcell_size_allocate;
extern SQARC_item* SQarc;
extern int SQarc_size, SQarc_size_allocate;
extern SQARC_item* SQarc_lastinstruct;
extern SQSYMARC_item* SQsymarc;

extern SQCELL_item *SQcell_LR, *SQcell_TB;
extern int SQcell_size_LR, SQcell_size_TB, SQsymcell_size_LR, SQsymcell_size_TB;
extern int SQcell_size_allocate_LR, SQcell_size_allocate_TB;
extern SQARC_item *SQarc_LR, *SQarc_TB;
extern int SQarc_size_LR, SQarc_size_TB, SQarc_size_allocate_LR, SQarc_size_allocate_TB;
extern SQARC_item *SQarc_lastinstruct_LR, *SQarc_lastinstruct_TB;
extern SQSYMARC_item *SQsymarc_LR, *SQsymarc_TB;

// Every global of the graph (current and both copies) to null or zero.
void SQclear_variable();
// The module's reset: frees whatever graphs and cells are left, clears every
// global, the debug switches and the log stream (tests start clean).
void SQreset();

// ---- building and switching -------------------------------------------------
void SQinit(_adjacency_list** eq, _rhs_list* rhs);
void SQswitch_direction(int which, int set);
// Zeroed array of `ncells` cells with a left and a right line each (line
// numbers 2k+1, 2k+2), made current; the arc array stays empty. Lets callers
// (and tests) build a graph from arcs alone with SQaddarc.
void SQnewCells(int ncells);
// The arc array of a graph: `n` slots on a cache-line boundary, each with
// weight and rank -1, otherwise zero; released only by SQfreeArcArray.
SQARC_item* SQnewArcArray(int n);
void SQfreeArcArray(SQARC_item* arcs);

// ---- messages ---------------------------------------------------------------
const char* SQdirectionName(int direction);
void SQerrmessage(const char* message, const char* function);
long SQhalfscale_round(long value, long scale);

// ---- arc editing on the current direction ------------------------------------
SQARC_item* SQaddarc(SQLINE_item* ori, SQLINE_item* ter, long weight, int rank);
SQSYMARC_item* SQaddsymarc(SQLINE_item* ori1, SQLINE_item* ori2, SQLINE_item* ter1,
                           SQLINE_item* ter2, int rank);
void SQupdatearc_weight(SQLINE_item* ori, SQLINE_item* ter, long weight, int rank);
void SQupdatearc_wt(SQARC_item* arc, long weight, int rank);
void SQupdatearc_ori(SQARC_item* arc, SQLINE_item* line, int rank);
void SQupdatearc_ter(SQARC_item* arc, SQLINE_item* line, int rank);
void SQremovearc(SQARC_item* arc);
void SQremoveallarc(SQLINE_item* a, SQLINE_item* b);

// Debugging dump of a graph into `file` and `file`.cell.
void SQprint_datastructure(const char* file, SQCELL_item* cells, int ncells, SQARC_item* arcs, int narcs);
