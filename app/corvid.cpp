// corvid: the Motif layout tool.
#include <cstdio>

#include "common/switch_help.h"
#include "common/switches.h"
#include "interface/x11/dinterface.h"

int main(int argc, char** argv) {
  if (GCwantsHelp(argc, argv)) {
    GCprintSwitchHelp(stdout, argv[0], "[X toolkit options]");
    return 0;
  }
  GCparseSwitches(argc, argv);
  DInterface(argc, argv);
}
