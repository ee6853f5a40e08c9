#include "interface/forms.h"

#include <cstdio>
#include <cstring>

#include "common/frontend.h"
#include "common/message.h"
#include "common/scale.h"
#include "interface/file_commands.h"
#include "techc/tech.h"
#include "yield/density.h"

namespace {
enum Current { NONE, X0, D0, Y0, ALFA, MAX_SIZE, MIN_SIZE, STEP, DENS_MIN, DENS_MAX, DENS_STEP };

struct Form {
  const char* label;
  const char* prompt;
  Current current;
  int code;
};

// In menu order; the labels from "X0(SizeDistribution)" on need an active layer.
const Form forms[] = {
    {"Def_I/O", "Terminal Name:", NONE, DI_ACCEPT_DEF_IO},
    {"NameNet", "Net Name:", NONE, DI_ACCEPT_NAME_NET},
    {"FindNet", "Net Number:", NONE, DI_ACCEPT_FIND_NET},
    {"X0(SizeDistribution)", "Size Distribution Factor X0:", X0, DI_ACCEPT_X0},
    {"D0(DefectDensity)", "Defect Density D0:", D0, DI_ACCEPT_D0},
    {"Y0(ClusterFactor)", "Gross Cluster Factor Y0:", Y0, DI_ACCEPT_Y0},
    {"A(GammaParameter)", "Gamma Distribution Parameter A:", ALFA, DI_ACCEPT_ALFA},
    {"MaxSize", "The Maximum Defect Size:", MAX_SIZE, DI_ACCEPT_MAX_SIZE},
    {"MinSize", "The Minimum Defect Size:", MIN_SIZE, DI_ACCEPT_MIN_SIZE},
    {"Step", "The Defect Growing Step:", STEP, DI_ACCEPT_STEP},
    {"Minimum", "The Minimum Defect Density:", DENS_MIN, DI_ACCEPT_DENSITY_MIN},
    {"Maximum", "The Maximum Defect Density:", DENS_MAX, DI_ACCEPT_DENSITY_MAX},
    {"Interval", "The Density Growing Step:", DENS_STEP, DI_ACCEPT_DENSITY_STEP},
};
constexpr int firstNeedingActiveLayer = 3;

const _layerDef* activeLayer() {
  int i = DTactiveLayer();
  return i < 0 ? nullptr : &Glayers[i];
}

double currentValue(Current c, const _layerDef* layer) {
  double scale = static_cast<double>(theGlobalScale);
  switch (c) {
    case X0: return layer->X0;
    case D0: return layer->D0;
    case Y0: return layer->Y0;
    case ALFA: return layer->alfa;
    case MAX_SIZE: return static_cast<double>(theMaxDefectSize) / scale;
    case MIN_SIZE: return static_cast<double>(theMinDefectSize) / scale;
    case STEP: return static_cast<double>(theStep) / scale;
    case DENS_MIN: return Fdensity[0];
    case DENS_MAX: return Fdensity[1];
    case DENS_STEP: return Fdensity[2];
    case NONE: break;
  }
  return 0.0;
}
}  // namespace

int DIsetForm(void*, char* label, void*) {
  const char* name = label ? label : "";
  for (int i = 0; i < static_cast<int>(sizeof forms / sizeof forms[0]); ++i) {
    const Form& form = forms[i];
    if (strcmp(form.label, name) != 0) continue;
    const _layerDef* layer = activeLayer();
    if (i >= firstNeedingActiveLayer && !layer) {
      GCmessage(GC_MOD_INTERFACE, 'W', "Select an active layer first");
      return 1;
    }
    char value[64] = "";
    if (form.current != NONE) snprintf(value, sizeof value, "%.4f", currentValue(form.current, layer));
    DIopenForm(form.prompt, value, form.code);
    return 1;
  }
  GCfatal(GC_MOD_INTERFACE, 0, "Unchangable menu label changed");
}
