#include "techc/layer_gc.h"

#include <string>

#include "common/colors.h"
#include "common/frontend.h"
#include "common/message.h"
#include "common/settings.h"
#include "techc/tech.h"

namespace {
GCbitmap patterns[DT_MAX_LAYERS];
}

void DIlayerGC(int layer) {
  _layerDef& def = Glayers[layer];
  std::string path = std::string(GCgetPath("IconPath")) + def.pattern;
  GCbitmap bitmap;
  if (!GCreadBitmap(path.c_str(), &bitmap)) GCfatal(GC_MOD_TECH, 1, "Can not load pattern file %s", path.c_str());
  if (GCgetNamedColorName(def.color) < 0) GCfatal(GC_MOD_TECH, 1, "color %s not found", def.color);
  patterns[layer] = std::move(bitmap);
  if (DIgetFrontEnd().makeLayerGC) DIgetFrontEnd().makeLayerGC(layer);
}

const GCbitmap& DTlayerPattern(int layer) { return patterns[layer]; }

void DTresetPatterns() {
  for (GCbitmap& b : patterns) b = GCbitmap();
}
