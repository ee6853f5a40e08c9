// corvid-batch: corvid's start-up without X, then a script of menu commands
// read from the file named as argument or from standard input.
#include <unistd.h>

#include <cstdio>

#include "batch/batch_help.h"
#include "batch/batch_script.h"
#include "batch/batch_startup.h"
#include "common/message.h"
#include "common/switch_help.h"
#include "common/switches.h"

int main(int argc, char** argv) {
  if (GCwantsHelp(argc, argv)) {
    BAprintHelp(stdout, argv[0]);
    return 0;
  }
  GCparseSwitches(argc, argv);
  FILE* script = stdin;
  if (optind < argc) {
    script = fopen(argv[optind], "r");
    if (!script) GCfatal(GC_MOD_INTERFACE, 1, "Can't open the script %s", argv[optind]);
  }
  BAstartup();
  BAscriptOutcome outcome = BArunScript(script);
  if (script != stdin) fclose(script);
  fflush(stdout);
  return outcome.status();
}
