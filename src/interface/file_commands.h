// Commands that ask for a file: each opens the shared file dialog bound to its
// acceptance code; DIacceptCB does the work when the name arrives.
#pragma once

enum DIacceptCode {
  DI_ACCEPT_CIF_READ = 0, DI_ACCEPT_TECH = 1, DI_ACCEPT_X0 = 2, DI_ACCEPT_D0 = 3,
  DI_ACCEPT_DESIGN_RULE = 4, DI_ACCEPT_ALFA = 5, DI_ACCEPT_MAX_SIZE = 6, DI_ACCEPT_MIN_SIZE = 7,
  DI_ACCEPT_STEP = 8, DI_ACCEPT_DENSITY_MIN = 9, DI_ACCEPT_DENSITY_MAX = 10,
  DI_ACCEPT_DENSITY_STEP = 11, DI_ACCEPT_CIF_LOAD = 12, DI_ACCEPT_DEF_IO = 13,
  DI_ACCEPT_NAME_NET = 14, DI_ACCEPT_FIND_NET = 15, DI_ACCEPT_SYMMETRY = 16, DI_ACCEPT_Y0 = 17,
  DI_ACCEPT_BRIDGE = 18, DI_ACCEPT_CADENCE1 = 19, DI_ACCEPT_CADENCE2 = 20, DI_ACCEPT_SIZES = 21
};

int DIrdLayout(void* widget, char* label, void* call);
int DIldTech(void* widget, char* label, void* call);
int DIldDesRule(void* widget, char* label, void* call);
int DIldLayout(void* widget, char* label, void* call);
int DIldSym(void* widget, char* label, void* call);
int DRload(void* widget, char* label, void* call);
int DRloadCadenceDesRule1(void* widget, char* label, void* call);
int DRloadCadenceDesRule2(void* widget, char* label, void* call);
int UStransSizeFile(void* widget, char* label, void* call);
