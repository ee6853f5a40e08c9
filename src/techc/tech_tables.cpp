#include "techc/tech.h"

#include <cstring>

#include "techc/layer_gc.h"
#include "techc/tech_reader.h"

_layerDef Glayers[DT_MAX_LAYERS];
int GlayerNum = 0;
_Delement Delement[DT_MAX_RULES];
int DelementNum = 0;
_Dconnect Dconnect[DT_MAX_RULES];
int DconNum = 0;
_LX_IND_DEF_ LXindDefinition[DT_MAX_RULES];
int LXindDefNum = 0;
_CX_CAPDEFINITION_ CXcapDefinition[DT_MAX_RULES];
int CXcapDefNum = 0;
_RX_RESDEFINITION_ RXresDefinition[DT_MAX_RULES];
int RXresDefNum = 0;

int DTlayerIndex(const char* name) {
  for (int i = 0; i < GlayerNum; ++i)
    if (strcmp(Glayers[i].name, name) == 0) return i;
  return -1;
}

int DTactiveLayer() {
  for (int i = 0; i < GlayerNum; ++i)
    if (Glayers[i].active) return i;
  return -1;
}

void DTreset() {
  DTrdInit();
  memset(Glayers, 0, sizeof Glayers);
  memset(Delement, 0, sizeof Delement);
  memset(Dconnect, 0, sizeof Dconnect);
  memset(LXindDefinition, 0, sizeof LXindDefinition);
  memset(CXcapDefinition, 0, sizeof CXcapDefinition);
  memset(RXresDefinition, 0, sizeof RXresDefinition);
  DTresetPatterns();
  DTsetLayerGCMaker(DIlayerGC);
}
