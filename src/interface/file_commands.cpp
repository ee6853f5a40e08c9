#include "interface/file_commands.h"

#include "common/frontend.h"
#include "designrule/designrule.h"
#include "techc/tech.h"

namespace {
int askFile(int code) {
  DIopenFileDialog(code);
  return 1;
}
}  // namespace

int DIrdLayout(void*, char*, void*) { return askFile(DI_ACCEPT_CIF_READ); }
int DIldTech(void*, char*, void*) { return askFile(DI_ACCEPT_TECH); }
int DIldDesRule(void*, char*, void*) { return askFile(DI_ACCEPT_DESIGN_RULE); }
int DIldLayout(void*, char*, void*) { return askFile(DI_ACCEPT_CIF_LOAD); }
int DIldSym(void*, char*, void*) { return askFile(DI_ACCEPT_SYMMETRY); }
// The bridge names CIF layers, so the layer map is filled from the technology first.
int DRload(void*, char*, void*) {
  DRgetCifLayers(CifToCadence, Glayers);
  return askFile(DI_ACCEPT_BRIDGE);
}
int DRloadCadenceDesRule1(void*, char*, void*) { return askFile(DI_ACCEPT_CADENCE1); }
int DRloadCadenceDesRule2(void*, char*, void*) { return askFile(DI_ACCEPT_CADENCE2); }
int UStransSizeFile(void*, char*, void*) { return askFile(DI_ACCEPT_SIZES); }
