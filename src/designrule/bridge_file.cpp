// The layer map from technology layers to Cadence layers, and the bridge file
// that fills its Cadence side.
#include <cstdio>
#include <cstring>

#include "designrule/designrule.h"
#include "techc/tech.h"

void DRgetCifLayers(CIFtoCADENCElayers* map, const _layerDef* layers) {
  for (int i = 0; i < DR_MAX_LAYERS; ++i) {
    snprintf(map[i].cif, sizeof map[i].cif, "%s", layers[i].name);
    map[i].layerNum = layers[i].layer;
    printf("layer %d :%s, %d\n", i, layers[i].name, layers[i].layer);
  }
  fflush(stdout);
}

void DRparseBridge(FILE* file) {
  char line[201];
  while (fgets(line, sizeof line, file)) {
    size_t len = strlen(line);
    // A longer line is read on as further lines; drop its remainder instead.
    if (len == sizeof line - 1 && line[len - 1] != '\n') {
      int c;
      while ((c = fgetc(file)) != EOF && c != '\n') {
      }
    }
    if (line[0] == '#') continue;
    char cif[201] = "", cadence[201] = "", purpose[201] = "";
    if (sscanf(line, "%200s %200s %200s", cif, cadence, purpose) < 1) continue;
    for (int i = 0; i < DR_MAX_LAYERS; ++i) {
      if (CifToCadence[i].cif[0] == '\0' || strcmp(CifToCadence[i].cif, cif) != 0) continue;
      snprintf(CifToCadence[i].cadenceLayer, sizeof CifToCadence[i].cadenceLayer, "%.63s", cadence);
      snprintf(CifToCadence[i].purpose, sizeof CifToCadence[i].purpose, "%.63s", purpose);
      break;
    }
  }
}
