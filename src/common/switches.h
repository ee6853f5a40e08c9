// Command-line switch flags shared by every module (set by main's getopt loop).
#pragma once

extern int DebugStatus;   // -b, -B
extern int DcheckStatus;  // -c, -C
extern int XManager;      // -m, -M
extern int OwnMemory;     // -o, -O
extern int Statistic;     // -S
extern int Silently;      // -s
extern int Trace;         // -t, -T
extern int XSyncValue;    // never set

// The switch string and the usage line every front end shares.
inline constexpr const char* GC_SWITCHES = "bBMmcCsSoOtT";

// Parses argv with GC_SWITCHES into the flags above. On an unknown switch it
// prints the usage line to stderr and exits with status 0.
void GCparseSwitches(int argc, char** argv);
void GCresetSwitches();
