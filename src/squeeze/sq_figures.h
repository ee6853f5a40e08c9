// What the graph back end measured of its last run, per direction (index 1
// LEFT_RIGHT, 2 TOP_BOTTOM), for benchmarks and reports.
#pragma once

struct SQdirectionFigures {
  int waves = 0;            // most waves of any pass (inside one piece of tied lines)
  long relaxations = 0;     // arcs relaxed over all passes
  double buildSeconds = 0;  // processor time of SQmain_graph
  double solveSeconds = 0;  // processor time of SQmain_solve
  long graphBytes = 0;      // cells, lines and arc slots after building
};
extern SQdirectionFigures SQfigures[3];

double SQcpuSeconds();
