#include "extract/load_layout.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cifc/cif.h"
#include "cs/build.h"
#include "common/flatten.h"
#include "common/message.h"
#include "cs/cs.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "interface/frontend.h"
#include "view/view.h"

char OriginalCiffile[DI_ORIGINAL_CIF_LENGTH];

namespace {
bool parse(const char* file) {
  cifin = fopen(file, "r");
  if (!cifin) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Cann't open the file %s", file);
    return false;
  }
  return CIFparse() == 0;
}
}  // namespace

void DIacceptLayout(const char* file) {
  snprintf(OriginalCiffile, sizeof OriginalCiffile, "%s", file);
  DExInit();  // the old transistors and nets refer to the tiles freed next
  GCfreeCS();
  ACinit();
  GCmessage(GC_MOD_CALLBACK, 'P', "Parsing CIF .....");
  if (!parse(file)) {
    DIpopdownDialog();
    GCmessage(GC_MOD_CALLBACK, 'L', "CIF file format error");
    return;
  }
  DIpopdownDialog();
  GCmessage(GC_MOD_CALLBACK, 'M', "Read CIF file OK");
  GCflatten();
  GCsmash();
  DCcrtCS();
  DExCir();
  DExVerifyNets();
  GCmessage(GC_MOD_CALLBACK, 'M', "Extracted Circuit OK");
  // Until the passive-aware extraction re-traces the nets, the labels name
  // the nets of the transistor extraction.
  DExCrtNameTb();
  DVfit();
  GCmessage(GC_MOD_CALLBACK, 'L', "Read CIF file OK");
}

void DIacceptDefIO(const char* text) {
  char name[64];
  snprintf(name, sizeof name, "%s", text);
  DExDefIO(name);
}

void DIacceptNameNet(const char* text) {
  char name[64];
  snprintf(name, sizeof name, "%s", text);
  DExNameNet(name);
}

void DIacceptFindNet(const char* text) {
  long n = strtol(text, nullptr, 10);
  if (n == 0) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Input wrong");
    return;
  }
  DExSearchNet(n);
}
