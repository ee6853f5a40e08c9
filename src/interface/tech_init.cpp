#include "interface/tech_init.h"

#include <cstdio>

#include "common/frontend.h"
#include "common/message.h"
#include "common/scale.h"
#include "common/settings.h"
#include "techc/layer_gc.h"
#include "techc/tech.h"
#include "techc/tech_reader.h"

void DItechInit() {
  ENV_SCALE = GCgetValue("GlobalScale");
  theGlobalScale = INITSCALE * ENV_SCALE;
  SCALE = theGlobalScale;
  theMinDefectSize = theGlobalScale * GCgetValue("MinDefectSize");
  theMaxDefectSize = theGlobalScale * GCgetValue("MaxDefectSize");
  theStep = theGlobalScale * GCgetValue("Step");

  techin = fopen(GCgetPath("TechFile"), "r");
  if (!techin) GCfatal(GC_MOD_INTERFACE, 1, "No system default technology file");
  DTrdInit();
  if (TECHparse() != 0) {
    GCmessage(GC_MOD_INTERFACE, 'E', "Technology file format error");
    return;
  }
  for (int i = 0; i < GlayerNum; ++i) {
    DIlayerGC(i);
    _layerDef& def = Glayers[i];
    def.active = 0;
    def.X0 = 1.0f;
    def.D0 = 10.0f;
    def.Y0 = 1.0f;
    def.alfa = 1.0f;
  }
  Glayers[GlayerNum].name[0] = '\0';
  GCmessage(GC_MOD_INTERFACE, 'M', "Load technology file OK");
}

bool DIloadTechnology(const char* path) {
  techin = fopen(path, "r");
  if (!techin) return false;
  GCmessage(GC_MOD_CALLBACK, 'P', "Parsing TECH .....");
  DTrdInit();
  if (TECHparse() != 0) {
    Glayers[GlayerNum].name[0] = '\0';
    DIpopdownDialog();
    GCmessage(GC_MOD_CALLBACK, 'L', "Technology file format error");
    return false;
  }
  Glayers[GlayerNum].name[0] = '\0';
  DIpopdownDialog();
  if (DIgetFrontEnd().layerControl) DIgetFrontEnd().layerControl();
  GCmessage(GC_MOD_CALLBACK, 'L', "Load technology file OK");
  return true;
}
