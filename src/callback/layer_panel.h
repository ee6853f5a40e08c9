// The layer panel: three switches choose what the layer buttons control
// (display, fill mode, active layer); the buttons then toggle that flag.
#pragma once

enum DIpanelMode { DI_MODE_DISPLAY = 0, DI_MODE_FILL = 1, DI_MODE_ACTIVE = 2 };
extern int DIcontrollerMode;

// The tile-plane side of making a layer active: whether the layer has a
// corner-stitched plane, and making it the current plane (the tile planes'
// own lookup unless a test installs another).
struct DIlayerPlanes {
  bool (*hasPlane)(const char* layer) = nullptr;
  void (*makeCurrent)(const char* layer) = nullptr;
};
void DIsetLayerPlanes(const DIlayerPlanes& planes);

// A press on a switch ("display", "fillmode", "thelayers") or a layer button (its name).
void DIlayerButPress(const char* client);
// The LAYERS menu entries (and the batch `layer NAME` line): make the layer active.
int DIsetActive(void* widget, char* layername, void* call);
// The flag of the current mode for a layer.
int DIlayerFlag(int layer);
void DIresetLayerPanel();
