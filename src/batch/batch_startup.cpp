#include "batch/batch_startup.h"

#include "batch/batch_frontend.h"
#include "batch/line_outcome.h"
#include "common/colors.h"
#include "common/memory.h"
#include "cs/cs.h"
#include "event/event.h"
#include "interface/switch_commands.h"
#include "interface/tech_init.h"
#include "view/batch_view.h"
#include "view/tile_draw.h"
#include "yield/plot_files.h"
#include "yield/series.h"

void BAstartup() {
  BAinstallFrontEnd();
  BAwatchMessages();
  GCmemInit();
  GCcolorInit();
  DItechInit();
  DEinit();
  InitStitch();
  DVinstallViewHooks();
  DIsetInit();
  DVbatchInit();
  DYinit();
  DYsetPlotFiles(DY_FILES_PNG);
}
