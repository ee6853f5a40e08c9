#include "callback/window_hooks.h"

#include "view/viewport.h"

namespace {
DIwindowHooks hooks;
void (*plotRedraw)() = nullptr;
}  // namespace

void DIsetWindowHooks(const DIwindowHooks& h) { hooks = h; }
const DIwindowHooks& DIgetWindowHooks() { return hooks; }

void DIpopupPlot() {
  if (hooks.popupPlot) hooks.popupPlot();
  PopupWindowIsThere = 1;
}

void DIsetPlotRedraw(void (*redraw)()) { plotRedraw = redraw; }

void DIplotRedraw() {
  if (plotRedraw) plotRedraw();
}
