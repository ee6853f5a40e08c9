#include "display/window_hooks.h"

#include "display/viewport.h"

namespace {
DIwindowHooks hooks;
void (*plotRedraw)() = nullptr;
void (*mainRedraw)() = nullptr;
}  // namespace

void DIsetWindowHooks(const DIwindowHooks& h) { hooks = h; }

void DIresetWindowHooks() {
  hooks = DIwindowHooks{};
  plotRedraw = nullptr;
  mainRedraw = nullptr;
}
const DIwindowHooks& DIgetWindowHooks() { return hooks; }

void DIpopupPlot() {
  if (hooks.popupPlot) hooks.popupPlot();
  PopupWindowIsThere = 1;
}

void DIsetPlotRedraw(void (*redraw)()) { plotRedraw = redraw; }

void DIplotRedraw() {
  if (plotRedraw) plotRedraw();
}

void DIsetMainRedraw(void (*redraw)()) { mainRedraw = redraw; }

void DImainRedraw() {
  if (mainRedraw) mainRedraw();
}
