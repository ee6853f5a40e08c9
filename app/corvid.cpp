// corvid: the Motif layout tool.
#include "common/switches.h"
#include "interface/x11/dinterface.h"

int main(int argc, char** argv) {
  GCparseSwitches(argc, argv);
  DInterface(argc, argv);
}
