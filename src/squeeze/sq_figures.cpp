#include "squeeze/sq_figures.h"

#include <ctime>

SQdirectionFigures SQfigures[3];

double SQcpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
