#include "callback/layer_panel.h"

#include <cstring>

#include "common/message.h"
#include "cs/cs.h"
#include "display/window_hooks.h"
#include "techc/tech.h"

int DIcontrollerMode = DI_MODE_DISPLAY;

namespace {
bool hasTilePlane(const char* layer) { return NamedLayerTile(layer) != nullptr; }
void makeTilePlaneCurrent(const char* layer) { CurrentStitch = NamedLayerTile(layer); }

DIlayerPlanes tilePlanes() {
  DIlayerPlanes p;
  p.hasPlane = hasTilePlane;
  p.makeCurrent = makeTilePlaneCurrent;
  return p;
}

DIlayerPlanes planes = tilePlanes();

void recolour(int layer) {
  if (DIgetWindowHooks().colourLayerButton) DIgetWindowHooks().colourLayerButton(layer, DIlayerFlag(layer));
}

void recolourAll() {
  for (int l = 0; l < GlayerNum; ++l) recolour(l);
}

void activate(int layer) {
  const char* name = Glayers[layer].name;
  if (Glayers[layer].active) {
    if (planes.makeCurrent) planes.makeCurrent(name);
    GCmessage(GC_MOD_CALLBACK, 'M', "%s is already switched on", name);
    return;
  }
  if (!planes.hasPlane || !planes.hasPlane(name)) {
    GCmessage(GC_MOD_CALLBACK, 'E', "%s can not be actived", name);
    return;
  }
  for (int l = 0; l < GlayerNum; ++l)
    if (Glayers[l].active) {
      Glayers[l].active = 0;
      recolour(l);
    }
  Glayers[layer].active = 1;
  if (planes.makeCurrent) planes.makeCurrent(name);
  recolour(layer);
  GCmessage(GC_MOD_CALLBACK, 'M', "%s is switched on", name);
}
}  // namespace

void DIsetLayerPlanes(const DIlayerPlanes& p) { planes = p; }

int DIlayerFlag(int layer) {
  switch (DIcontrollerMode) {
    case DI_MODE_FILL: return Glayers[layer].fillmode;
    case DI_MODE_ACTIVE: return Glayers[layer].active;
    default: return Glayers[layer].showswitch;
  }
}

void DIlayerButPress(const char* client) {
  struct Switch {
    const char* client;
    int mode;
    const char* message;
  };
  static const Switch switches[] = {{"display", DI_MODE_DISPLAY, "Display controller is switched on"},
                                    {"fillmode", DI_MODE_FILL, "Fillmode controller is switched on"},
                                    {"thelayers", DI_MODE_ACTIVE, "Active layer controller is switched on"}};
  for (const Switch& s : switches)
    if (strcmp(client, s.client) == 0) {
      if (DIcontrollerMode != s.mode) {
        DIcontrollerMode = s.mode;
        recolourAll();
      }
      GCmessage(GC_MOD_CALLBACK, 'M', "%s", s.message);
      return;
    }
  int layer = DTlayerIndex(client);
  if (layer < 0) return;
  if (DIcontrollerMode == DI_MODE_ACTIVE) {
    activate(layer);
    return;
  }
  int& flag = DIcontrollerMode == DI_MODE_FILL ? Glayers[layer].fillmode : Glayers[layer].showswitch;
  flag = !flag;
  recolour(layer);
  GCmessage(GC_MOD_CALLBACK, 'M', flag ? "%s is switched on" : "%s is switched off", client);
}

int DIsetActive(void*, char* layername, void*) {
  if (!layername) return 0;
  int layer = DTlayerIndex(layername);
  if (layer < 0) {
    GCmessage(GC_MOD_CALLBACK, 'E', "%s can not be actived", layername);
    return 0;
  }
  activate(layer);
  return 1;
}

void DIresetLayerPanel() {
  DIcontrollerMode = DI_MODE_DISPLAY;
  planes = tilePlanes();
}
