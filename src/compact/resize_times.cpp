#include "compact/resize_times.h"

#include <sys/times.h>
#include <unistd.h>

#include <cstdio>

#include "common/output_file.h"

int RES_START_u, RES_START_s, RES_STOP_u, RES_STOP_s;
int SQCORE_START_HOR_u, SQCORE_START_HOR_s, SQCORE_STOP_HOR_u, SQCORE_STOP_HOR_s;
int SQCORE_START_VER_u, SQCORE_START_VER_s, SQCORE_STOP_VER_u, SQCORE_STOP_VER_s;
int SQCORE_START_HOR_valid, SQCORE_STOP_HOR_valid, SQCORE_START_VER_valid, SQCORE_STOP_VER_valid;

void RSsampleTimes(int* user, int* system) {
  struct tms t;
  times(&t);
  *user = static_cast<int>(t.tms_utime);
  *system = static_cast<int>(t.tms_stime);
}

void RSresetTimes() {
  RES_START_u = RES_START_s = RES_STOP_u = RES_STOP_s = 0;
  SQCORE_START_HOR_u = SQCORE_START_HOR_s = SQCORE_STOP_HOR_u = SQCORE_STOP_HOR_s = 0;
  SQCORE_START_VER_u = SQCORE_START_VER_s = SQCORE_STOP_VER_u = SQCORE_STOP_VER_s = 0;
  SQCORE_START_HOR_valid = SQCORE_STOP_HOR_valid = SQCORE_START_VER_valid = SQCORE_STOP_VER_valid = 0;
}

bool RSwriteTimeReport() {
  return GCwriteOutputFile("time_rpt.txt", [](FILE* f) {
    fprintf(f, "Resize Start Time:   \t User %7d\t System %7d\n", RES_START_u, RES_START_s);
    fprintf(f, "Resize Stop Time:    \t User %7d\t System %7d\n", RES_STOP_u, RES_STOP_s);
    if (SQCORE_START_HOR_valid == 1)
      fprintf(f, "Core Hor Start Time :\t User %7d\t System %7d\n", SQCORE_START_HOR_u, SQCORE_START_HOR_s);
    if (SQCORE_STOP_HOR_valid == 1)
      fprintf(f, "Core Hor Stop Time : \t User %7d\t System %7d\n", SQCORE_STOP_HOR_u, SQCORE_STOP_HOR_s);
    if (SQCORE_START_VER_valid == 1)
      fprintf(f, "Core Ver Start Time :\t User %7d\t System %7d\n", SQCORE_START_VER_u, SQCORE_START_VER_s);
    if (SQCORE_STOP_VER_valid == 1)
      fprintf(f, "Core Ver Stop Time : \t User %7d\t System %7d\n", SQCORE_STOP_VER_u, SQCORE_STOP_VER_s);
    fprintf(f, "       Note: CLK_TCK = %ld\n", sysconf(_SC_CLK_TCK));
    return true;
  });
}
