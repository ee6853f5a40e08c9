#include "batch/view_lines.h"

#include <string>

#include "batch/batch_lines.h"
#include "callback/layer_panel.h"
#include "common/defect_scale.h"
#include "common/message.h"
#include "event/event.h"
#include "view/batch_view.h"

bool DVbatchPoint(const char* args, int lineno) {
  long xy[2];
  if (!BAparseLongs(args, 2, xy, lineno, "point")) return false;
  DEpointWorld(1, xy[0], xy[1]);
  return true;
}

bool DVbatchPoint3(const char* args, int lineno) {
  if (!BAparseLongs(args, 0, nullptr, lineno, "point3")) return false;
  DEpointWorld(3, 0, 0);
  return true;
}

bool DVbatchView(const char* args, int lineno) {
  if (!*args) {
    BAlineError(lineno, "needs an image file name:", "view");
    return false;
  }
  if (!DVviewFile(args)) {
    BAlineError(lineno, "cannot write the image", args);
    return false;
  }
  GCmessage(GC_MOD_VIEW, 'M', "View written to %s", args);
  return true;
}

bool DVbatchScale(const char* args, int lineno) {
  long value;
  if (!BAparseLongs(args, 1, &value, lineno, "scale")) return false;
  DIsetScaleValue(static_cast<int>(value));
  return true;
}

bool DVbatchLayer(const char* args, int lineno) {
  if (!*args) {
    BAlineError(lineno, "needs a layer name:", "layer");
    return false;
  }
  std::string name(args);
  DIsetActive(nullptr, name.data(), nullptr);
  return true;
}

bool DVbatchViewSize(const char* args, int lineno) {
  long wh[2];
  if (!BAparseLongs(args, 2, wh, lineno, "viewsize")) return false;
  if (!DVsetBatchSize(static_cast<int>(wh[0]), static_cast<int>(wh[1]))) {
    BAlineError(lineno, "needs a width and height of 16 to 8192 pixels:", "viewsize");
    return false;
  }
  return true;
}
