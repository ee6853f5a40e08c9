// Longest paths on the current direction's graph (Bellman-Ford by waves):
// leftmost positions from the left sources, rightmost ones backwards from the
// right sinks, the positive-cycle watch, and the placement of every line.
#pragma once
#include <cstdio>

struct SQCELL_item;
struct SQARC_item;
struct SQLINE_item;

// One relaxation recorded while a suspected positive cycle is traced.
struct SQPOSCYCLE_GRAPH_item {
  SQLINE_item* line;
  SQPOSCYCLE_GRAPH_item* parent;  // newest record of the line relaxed from
  SQARC_item* arc;
  int wavefront;
  SQPOSCYCLE_GRAPH_item* next;
};
using SQPOSCYCLE_GRAPH = SQPOSCYCLE_GRAPH_item;

extern SQPOSCYCLE_GRAPH_item* SQposcycle_graph;
extern int SHOW_WAVEFRONT;
extern int SHOW_DETAIL;
extern FILE* flog;

// Figures of the latest pass, for benchmarks and reports.
struct SQpassFigures {
  int waves = 0;         // waves run
  long relaxations = 0;  // arcs looked at
  long listEntries = 0;  // lines collected over all waves
};
extern SQpassFigures SQlastPass;
// Numbers each bound box (-1 outside one): its passes run on an unchanged
// graph and share one decomposition of the lines into strongly connected pieces.
extern int SQpiecesEpoch;
// Frees the pieces and gathered arcs the passes of a bound box shared.
void SQbf_release();

// Width of the graph; `step` 1 first runs the positive-cycle test with its log.
long SQboundbox(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs, int step);
// One pass: right 0 leftmost (minimum) positions, 1 rightmost (maximum) ones.
long SQbf_main(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs, int right);
// Removes the lighter of every two parallel arcs; returns the pairs found.
int SQbf_clear_redundantarc(SQCELL_item* cells, SQARC_item* arcs, int ncells, int narcs);

// The repetition test of the wave history (entries 1..wave): 0, or the
// period L > 0 of the numbers of lines changed per wave.
int SQbf_history_period(const int* history, int wave);

void SQresetLongestPath();
