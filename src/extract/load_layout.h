// The one-step layout load (acceptance code 12, f.DIldLayout) and the other
// acceptance codes of extraction (13 terminal name, 14 net name, 15 net number).
#pragma once

inline constexpr int DI_ORIGINAL_CIF_LENGTH = 100;
// The CIF file of the last one-step load.
extern char OriginalCiffile[DI_ORIGINAL_CIF_LENGTH];

// Read, flatten, build the planes, extract transistors and nets, check the
// nets, name them from the labels, fit the view: "Read CIF file OK".
void DIacceptLayout(const char* file);
void DIacceptDefIO(const char* text);
void DIacceptNameNet(const char* text);
void DIacceptFindNet(const char* text);
