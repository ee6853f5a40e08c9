#include "batch/plot_lines.h"

#include <strings.h>

#include "batch/batch_lines.h"
#include "common/message.h"
#include "yield/plot_files.h"

bool DYbatchPlots(const char* args, int lineno) {
  int format;
  if (strcasecmp(args, "png") == 0)
    format = DY_FILES_PNG;
  else if (strcasecmp(args, "svg") == 0)
    format = DY_FILES_SVG;
  else if (strcasecmp(args, "off") == 0)
    format = DY_FILES_OFF;
  else {
    BAlineError(lineno, "plots takes png, svg or off, not", *args ? args : "nothing");
    return false;
  }
  DYsetPlotFiles(format);
  return true;
}
