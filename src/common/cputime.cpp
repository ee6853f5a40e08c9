#include "common/cputime.h"

#include <sys/times.h>
#include <unistd.h>

namespace {
struct tms startMark, stopMark;
}

void GCcpuTime(int mode, const char*) { times(mode == 0 ? &startMark : &stopMark); }

double GCcpuSeconds() {
  long ticks = sysconf(_SC_CLK_TCK);
  clock_t used = (stopMark.tms_utime + stopMark.tms_stime) - (startMark.tms_utime + startMark.tms_stime);
  return ticks > 0 ? static_cast<double>(used) / static_cast<double>(ticks) : 0.0;
}
