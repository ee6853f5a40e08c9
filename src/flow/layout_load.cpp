#include "flow/layout_load.h"

#include <cstdio>

#include "cifc/cif.h"
#include "cifc/flatten.h"
#include "common/message.h"
#include "cs/build.h"
#include "display/canvas.h"
#include "display/viewport.h"
#include "extract/net.h"
#include "extract/transistor.h"
#include "view/layout_display.h"
#include "view/view.h"

char OriginalCiffile[DI_ORIGINAL_CIF_LENGTH];

void FLreset() { OriginalCiffile[0] = '\0'; }

void FLdropPlanes() {
  DExInit();
  GCfreeCS();
}

bool FLreadLayout(const char* file) {
  if (!ACreadCif(fopen(file, "r"), file, GC_MOD_CALLBACK)) return false;
  GCmessage(GC_MOD_CALLBACK, 'M', "Read CIF file OK");
  return true;
}

void FLflatten() {
  GCflatten();
  GCsmash();
}

void FLbuildPlanes() { DCcrtCS(); }

void FLextract() {
  DExCir();
  DExVerifyNets();
  GCmessage(GC_MOD_CALLBACK, 'M', "Extracted Circuit OK");
}

// Until the passive-aware extraction re-traces the nets, the labels name the
// nets of the transistor extraction.
void FLnameNets() { DExCrtNameTb(); }

void FLshow() {
  DVfit();
  GCmessage(GC_MOD_CALLBACK, 'L', "Read CIF file OK");
}

void DIacceptLayout(const char* file) {
  snprintf(OriginalCiffile, sizeof OriginalCiffile, "%s", file);
  FLdropPlanes();
  if (!FLreadLayout(file)) return;
  FLflatten();
  FLbuildPlanes();
  FLextract();
  FLnameNets();
  FLshow();
}

int ACloadCif(const char* path) {
  FILE* in = fopen(path, "r");
  if (!in) return -1;
  if (!ACreadCif(in, path, GC_MOD_INTERFACE)) return 1;
  GCmessage(GC_MOD_INTERFACE, 'L', "Load CIF file OK");
  // Called cells are drawn as frames, so an unflattened (even self-calling) hierarchy is safe to show.
  ACdispall(&Vmain, Glayout, Gsymbols);
  if (Vmain.canvas) Vmain.canvas->flush();
  return 0;
}

void ACacceptCif(const char* path) { ACloadCif(path); }
