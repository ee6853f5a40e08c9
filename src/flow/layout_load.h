// The layout loads. The one-step load (acceptance code 12, f.DIldLayout) runs
// its steps in order: drop the old planes, read the CIF file, flatten, build
// the planes, extract, name the nets, show. The plain CIF load (acceptance
// code 0, f.DIrdLayout) reads and shows the hierarchy. New steps (the passive
// recognisers) go in as further named functions of the one-step load.
#pragma once

inline constexpr int DI_ORIGINAL_CIF_LENGTH = 100;
// The CIF file of the last one-step load.
extern char OriginalCiffile[DI_ORIGINAL_CIF_LENGTH];
// Module reset: no file loaded yet.
void FLreset();

// Steps of the one-step load.
void FLdropPlanes();                   // transistors and nets first, then the planes they point into
bool FLreadLayout(const char* file);   // "Read CIF file OK" when read
void FLflatten();
void FLbuildPlanes();
void FLextract();                      // transistors and nets, checked: "Extracted Circuit OK"
void FLnameNets();
void FLshow();                         // fits the main view: "Read CIF file OK"

// The one-step load: the steps above, stopping after a failed read.
void DIacceptLayout(const char* file);

// The plain load: the read, "Load CIF file OK", and the hierarchy drawn on the
// main view. Returns the read's result: 0 read, 1 format error, -1 when the
// file cannot be opened (nothing is changed then).
int ACloadCif(const char* path);
// The file dialog's acceptance of code 0 (f.DIrdLayout).
void ACacceptCif(const char* path);
