// The `--help` text of the switches both programs share.
#pragma once
#include <cstdio>

// Whether argv asks for help: "--help" among the switches (before the first
// other argument). A plain unknown switch keeps the short usage line.
bool GCwantsHelp(int argc, char** argv);
// The usage line "Usage: PROGRAM [-bBmMcCsSoOtT]" (then ` rest`) and one line
// per switch.
void GCprintSwitchHelp(FILE* out, const char* program, const char* rest);
