// Site settings from the system source file named by $SYSRC.
#pragma once

extern char StringBuffer[1024];  // last GCgetName result
extern char CommandLine[1024];   // last string typed in the command area

// Each lookup opens the file anew; a missing $SYSRC, file or key, or a value
// that is missing or no integer, is fatal (exit 1), naming the key and its line.
long GCgetValue(const char* key);
// The same for a value that must lie in [low, high].
long GCgetValueIn(const char* key, long low, long high);
const char* GCgetName(const char* key);

// A path setting (ColorFile, MenuFile, TechFile, IconPath). A relative value
// is taken relative to the directory of the settings file itself, so one
// settings file serves every working directory. Returned in StringBuffer.
const char* GCgetPath(const char* key);
