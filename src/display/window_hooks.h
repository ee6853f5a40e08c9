// What the layer panel and the pane commands ask of the window (beyond the
// dialogs of interface/frontend.h). The Motif program installs these; the
// batch program has no window and keeps only the state.
#pragma once

enum DIpane { DI_PANE_MESSAGE = 2, DI_PANE_SIDE = 4, DI_PANE_COMMAND = 5 };

struct DIwindowHooks {
  // Manage or unmanage a pane's frame, resizing the drawing area by its height.
  void (*showPane)(int pane, int show) = nullptr;
  // Give a layer button's label the layer's colour (on) or the first colour-table entry (off).
  void (*colourLayerButton)(int layer, int on) = nullptr;
  // Pop the plot window up.
  void (*popupPlot)() = nullptr;
};

void DIsetWindowHooks(const DIwindowHooks& hooks);
// No hooks, no plot or main-view redraw (part of GGresetDisplay).
void DIresetWindowHooks();
const DIwindowHooks& DIgetWindowHooks();

// Pops the plot window up (PopupWindowIsThere = 1) where there is one.
void DIpopupPlot();
// What redraws the plot window's drawing area (the yield plots install it).
void DIsetPlotRedraw(void (*redraw)());
void DIplotRedraw();
// Redraws the main view (installed by the view; analyses that change what is
// highlighted call it).
void DIsetMainRedraw(void (*redraw)());
void DImainRedraw();
