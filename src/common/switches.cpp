#include "common/switches.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

int DebugStatus = 0;
int DcheckStatus = 0;
int XManager = 0;
int OwnMemory = 0;
int Statistic = 0;
int Silently = 0;
int Trace = 0;
int XSyncValue = 0;

void GCresetSwitches() {
  DebugStatus = DcheckStatus = XManager = OwnMemory = Statistic = Silently = Trace = 0;
  XSyncValue = 0;
}

void GCparseSwitches(int argc, char** argv) {
  opterr = 1;
  int c;
  while ((c = getopt(argc, argv, GC_SWITCHES)) != -1) {
    switch (c) {
      case 'b': case 'B': DebugStatus = 1; break;
      case 'c': case 'C': DcheckStatus = 1; break;
      case 'm': case 'M': XManager = 1; break;
      case 'o': case 'O': OwnMemory = 1; break;
      case 'S': Statistic = 1; break;
      case 's': Silently = 1; break;
      case 't': case 'T': Trace = 1; break;
      default:
        fprintf(stderr, "Usage: %s [-bBmMcCsSoOtT]\n", argv[0]);
        exit(0);
    }
  }
}
