#include "interface/accept.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "cifc/cif.h"
#include "common/frontend.h"
#include "common/message.h"
#include "common/scale.h"
#include "compact/process_options.h"
#include "designrule/designrule.h"
#include "extract/net_accept.h"
#include "flow/layout_load.h"
#include "interface/file_commands.h"
#include "interface/tech_init.h"
#include "techc/tech.h"
#include "yield/density.h"

namespace {
const char* const cannt = "Cann't open the file %s";
const char* const cant = "Can't open the file %s";
const char* const cantFile = "Can't open file: %s\n";

void acceptTechnology(const char* text) { DIloadTechnology(text); }
void acceptValue(int code, const char* text);
void acceptX0(const char* t) { acceptValue(DI_ACCEPT_X0, t); }
void acceptD0(const char* t) { acceptValue(DI_ACCEPT_D0, t); }
void acceptAlfa(const char* t) { acceptValue(DI_ACCEPT_ALFA, t); }
void acceptMaxSize(const char* t) { acceptValue(DI_ACCEPT_MAX_SIZE, t); }
void acceptMinSize(const char* t) { acceptValue(DI_ACCEPT_MIN_SIZE, t); }
void acceptStep(const char* t) { acceptValue(DI_ACCEPT_STEP, t); }
void acceptDensityMin(const char* t) { acceptValue(DI_ACCEPT_DENSITY_MIN, t); }
void acceptDensityMax(const char* t) { acceptValue(DI_ACCEPT_DENSITY_MAX, t); }
void acceptDensityStep(const char* t) { acceptValue(DI_ACCEPT_DENSITY_STEP, t); }
void acceptY0(const char* t) { acceptValue(DI_ACCEPT_Y0, t); }

struct AcceptRow {
  int code;
  const char* openFailure;  // message when the file cannot be opened; null for text and values
  DIacceptHandler handler;
};

// One row per acceptance code.
AcceptRow acceptTable[] = {
    {DI_ACCEPT_CIF_READ, cannt, ACacceptCif},
    {DI_ACCEPT_TECH, cannt, acceptTechnology},
    {DI_ACCEPT_X0, nullptr, acceptX0},
    {DI_ACCEPT_D0, nullptr, acceptD0},
    {DI_ACCEPT_DESIGN_RULE, cant, DRacceptDesignRule},
    {DI_ACCEPT_ALFA, nullptr, acceptAlfa},
    {DI_ACCEPT_MAX_SIZE, nullptr, acceptMaxSize},
    {DI_ACCEPT_MIN_SIZE, nullptr, acceptMinSize},
    {DI_ACCEPT_STEP, nullptr, acceptStep},
    {DI_ACCEPT_DENSITY_MIN, nullptr, acceptDensityMin},
    {DI_ACCEPT_DENSITY_MAX, nullptr, acceptDensityMax},
    {DI_ACCEPT_DENSITY_STEP, nullptr, acceptDensityStep},
    {DI_ACCEPT_CIF_LOAD, cannt, DIacceptLayout},
    {DI_ACCEPT_DEF_IO, nullptr, DIacceptDefIO},
    {DI_ACCEPT_NAME_NET, nullptr, DIacceptNameNet},
    {DI_ACCEPT_FIND_NET, nullptr, DIacceptFindNet},
    {DI_ACCEPT_SYMMETRY, cannt, nullptr},
    {DI_ACCEPT_Y0, nullptr, acceptY0},
    {DI_ACCEPT_BRIDGE, cantFile, DRacceptBridge},
    {DI_ACCEPT_CADENCE1, cantFile, DRacceptCadence1},
    {DI_ACCEPT_CADENCE2, cantFile, DRacceptCadence2},
    {DI_ACCEPT_SIZES, cantFile, nullptr},
};

AcceptRow* rowFor(int code) {
  for (AcceptRow& r : acceptTable)
    if (r.code == code) return &r;
  return nullptr;
}

_layerDef* activeLayer() {
  int i = DTactiveLayer();
  return i < 0 ? nullptr : &Glayers[i];
}

// Tenths of a micron on the defect-size scale for a size in internal units.
int scaleTenths(long size) { return static_cast<int>((size / theGlobalScale) * 10); }

void acceptValue(int code, const char* text) {
  double value = atof(text);
  if (value == 0.0) {
    GCmessage(GC_MOD_CALLBACK, 'E', "Input wrong, change cancelled");
    return;
  }
  _layerDef* layer = nullptr;
  if (code == DI_ACCEPT_X0 || code == DI_ACCEPT_D0 || code == DI_ACCEPT_ALFA || code == DI_ACCEPT_Y0) {
    layer = activeLayer();
    if (!layer) GCfatal(GC_MOD_CALLBACK, 1, "No active layer, check DIacceptCB()");
  }
  const DIfrontEnd& fe = DIgetFrontEnd();
  switch (code) {
    case DI_ACCEPT_X0: layer->X0 = static_cast<float>(value); break;
    case DI_ACCEPT_D0: layer->D0 = static_cast<float>(value); break;
    case DI_ACCEPT_ALFA: layer->alfa = static_cast<float>(value); break;
    case DI_ACCEPT_Y0: layer->Y0 = static_cast<float>(value); break;
    case DI_ACCEPT_MAX_SIZE:
      theMaxDefectSize = static_cast<long>(std::trunc(value * static_cast<double>(theGlobalScale)));
      if (fe.setScaleRange) fe.setScaleRange(scaleTenths(theMinDefectSize), scaleTenths(theMaxDefectSize));
      break;
    case DI_ACCEPT_MIN_SIZE:
      theMinDefectSize = static_cast<long>(std::trunc(value * static_cast<double>(theGlobalScale)));
      if (fe.setScaleRange) fe.setScaleRange(scaleTenths(theMinDefectSize), scaleTenths(theMaxDefectSize));
      break;
    case DI_ACCEPT_STEP: theStep = static_cast<long>(std::trunc(value * static_cast<double>(theGlobalScale))); break;
    case DI_ACCEPT_DENSITY_MIN: Fdensity[0] = static_cast<float>(value); break;
    case DI_ACCEPT_DENSITY_MAX: Fdensity[1] = static_cast<float>(value); break;
    case DI_ACCEPT_DENSITY_STEP: Fdensity[2] = static_cast<float>(value); break;
    default: break;
  }
}
}  // namespace

DIacceptHandler DIacceptHandlerFor(int code) {
  AcceptRow* r = rowFor(code);
  return r ? r->handler : nullptr;
}

DIacceptHandler DIsetAcceptHandler(int code, DIacceptHandler handler) {
  AcceptRow* r = rowFor(code);
  if (!r) return nullptr;
  DIacceptHandler old = r->handler;
  r->handler = handler;
  return old;
}

void DIacceptCB(int code, const char* text) {
  PROCESS_INCLUDE_PASSIVE = 1;
  PROCESS_INCLUDE_INDUCTOR = 1;
  if (!text) text = "";
  printf(" I am in DIacceptCB.............\n");
  fflush(stdout);
  AcceptRow* row = rowFor(code);
  if (!row) return;
  if (row->openFailure) {
    FILE* f = fopen(text, "r");
    if (!f) {
      GCmessage(GC_MOD_CALLBACK, 'E', row->openFailure, text);
      return;
    }
    fclose(f);
  }
  if (row->handler)
    row->handler(text);
  else
    printf("Hello!: Set the button in both lib/Dmenu.txt and inc/Dmenu\n");
}
