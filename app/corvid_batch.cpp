// corvid-batch: the start-up of corvid without X, driven by a command script.
#include "common/switches.h"

int main(int argc, char** argv) {
  GCparseSwitches(argc, argv);
  return 0;
}
