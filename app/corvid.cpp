// corvid: the Motif layout tool.
#include "common/switches.h"

int main(int argc, char** argv) {
  GCparseSwitches(argc, argv);
  return 0;
}
