// Layer drawing contexts: the fill pattern and colour of every technology layer.
#pragma once
#include "common/xbm.h"

// For Glayers[layer]: reads the pattern bitmap IconPath + pattern (fatal
// "Can not load pattern file %s", status 1), checks the colour against the
// colour table (fatal "color %s not found", status 1), keeps the bitmap for
// the canvas and lets the front end make its drawing context.
void DIlayerGC(int layer);
// The fill pattern read for a layer (empty bitmap before DIlayerGC).
const GCbitmap& DTlayerPattern(int layer);
void DTresetPatterns();
