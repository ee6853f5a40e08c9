// CPU-time samples of a resizer run (clock ticks), reported in time_rpt.txt.
#pragma once

extern int RES_START_u, RES_START_s, RES_STOP_u, RES_STOP_s;
// Taken by the graph back end's core LP; each *_valid is 1 once its sample is taken.
extern int SQCORE_START_HOR_u, SQCORE_START_HOR_s, SQCORE_STOP_HOR_u, SQCORE_STOP_HOR_s;
extern int SQCORE_START_VER_u, SQCORE_START_VER_s, SQCORE_STOP_VER_u, SQCORE_STOP_VER_s;
extern int SQCORE_START_HOR_valid, SQCORE_STOP_HOR_valid, SQCORE_START_VER_valid, SQCORE_STOP_VER_valid;

// The process's user and system time now.
void RSsampleTimes(int* user, int* system);
// Every sample and flag back to 0.
void RSresetTimes();
// Writes time_rpt.txt; false when it cannot be created.
bool RSwriteTimeReport();
