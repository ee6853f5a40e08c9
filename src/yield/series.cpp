#include "yield/series.h"

#include "display/window_hooks.h"
#include "yield/density.h"
#include "yield/plot_commands.h"
#include "yield/plot_files.h"

_DYseries Fsensitivity;
_DYseries FpofFailure;
_DYseries Fyield;
int PopupWhat = DY_PLOT_NONE;

void DYinit() {
  Fdensity[0] = 100.0f;
  Fdensity[1] = 2000.0f;
  Fdensity[2] = 100.0f;
  Fsensitivity = {};
  FpofFailure = {};
  Fyield = {};
  PopupWhat = DY_PLOT_NONE;
  DYresetPlots();
  DYsetPlotFiles(DY_FILES_OFF);
  DIsetPlotRedraw(DYpopup);
}

bool DYappend(_DYseries* s, float x, float y) {
  if (s->n >= DY_MAXPOINTS) return false;
  s->x[s->n] = x;
  s->y[s->n] = y;
  ++s->n;
  return true;
}
