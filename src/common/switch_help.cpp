#include "common/switch_help.h"

#include <cstring>


bool GCwantsHelp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (strcmp(argv[i], "--help") == 0) return true;
    if (argv[i][0] != '-' || strcmp(argv[i], "--") == 0) return false;
  }
  return false;
}

void GCprintSwitchHelp(FILE* out, const char* program, const char* rest) {
  // The same usage line as an unknown switch gets.
  fprintf(out, "Usage: %s [-bBmMcCsSoOtT]%s%s\n", program, rest && *rest ? " " : "", rest ? rest : "");
  fputs("Settings come from the file named by the environment variable SYSRC (lib/corvidrc).\n"
        "Switches:\n"
        "  -b, -B   debug: synchronous X display, checks in the neighbour searches of extraction\n"
        "  -c, -C   check flag of transistor extraction\n"
        "  -m, -M   accepted, no effect\n"
        "  -o, -O   pooled memory: small records come from pools of fixed block sizes\n"
        "  -S       allocation statistics\n"
        "  -s       silent: messages and progress counters are not echoed on standard error\n"
        "  -t, -T   accepted, no effect\n"
        "  --help   this text\n",
        out);
}
