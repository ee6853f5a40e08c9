// corvid-batch: corvid's start-up without X, then a script of menu commands
// read from the file named as argument or from standard input.
#include <unistd.h>

#include <cstdio>

#include "batch/batch_script.h"
#include "batch/batch_startup.h"
#include "common/message.h"
#include "common/switches.h"

int main(int argc, char** argv) {
  GCparseSwitches(argc, argv);
  FILE* script = stdin;
  if (optind < argc) {
    script = fopen(argv[optind], "r");
    if (!script) GCfatal(GC_MOD_INTERFACE, 1, "Can't open the script %s", argv[optind]);
  }
  BAstartup();
  int bad = BArunScript(script);
  if (script != stdin) fclose(script);
  fflush(stdout);
  // Lines that were no command make the run fail; commands report their own errors.
  return bad ? 2 : 0;
}
