#include "callback/x11/layer_buttons.h"

#include <Xm/Frame.h>
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>

#include <cstdio>
#include <cstring>

#include "callback/layer_panel.h"
#include "callback/x11/widgets.h"
#include "common/colors.h"
#include "techc/tech.h"

namespace {
Widget layerFrames[DT_MAX_LAYERS];
Widget modeSwitches[3];
char layerClients[DT_MAX_LAYERS][32];

Pixel offPixel() {
  const _GWorkStation& ws = GCworkStation[GCstationId];
  return ws.ncolor > 0 ? ws.color[0].pixel : 0;
}

// A light label gets a dark button, a dark one a light button, so that every
// name stays legible whether it shows its layer's colour or the "off" one.
Pixel buttonBackground(int colourIndex) {
  static Pixel dark = 0, light = 0;
  static bool made = false;
  if (!made) {
    XColor c{}, exact{};
    Colormap cmap = DefaultColormapOfScreen(XtScreen(theShowWidget));
    dark = XAllocNamedColor(XtDisplay(theShowWidget), cmap, "gray30", &c, &exact) ? c.pixel : 0;
    light = XAllocNamedColor(XtDisplay(theShowWidget), cmap, "gray85", &c, &exact) ? c.pixel : 0;
    made = true;
  }
  unsigned long rgb = colourIndex < 0 ? 0 : GCcolorRGB(colourIndex);
  double luminance = 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
  return luminance > 140 ? dark : light;
}

// The label's colour-table entry: the layer's colour when its flag is on, the
// first entry otherwise.
int labelColour(int layer, int on) { return on ? GCgetNamedColorName(Glayers[layer].color) : 0; }

void paintButton(Widget b, int layer, int on) {
  int index = labelColour(layer, on);
  Pixel fg = on ? GCgetNamedColor(Glayers[layer].color) : offPixel();
  XtVaSetValues(b, XmNforeground, fg, XmNbackground, buttonBackground(index), nullptr);
}

bool shownInPanel(int l) { return Glayers[l].name[0] != '\0' && strcmp(Glayers[l].name, "@") != 0; }

// Named windows let screen readers and test drivers find the buttons: the
// switches by their labels, a layer's button as "layer NAME".
void nameWindow(Widget w, const char* name) {
  if (w && XtWindow(w)) XStoreName(XtDisplay(w), XtWindow(w), name);
}

void nameLayerButton(int l) {
  char name[48];
  snprintf(name, sizeof name, "layer %s", Glayers[l].name);
  nameWindow(static_cast<Widget>(Glayers[l].w), name);
}

void makeLayerButtons() {
  for (int l = 0; l < GlayerNum && l < DT_MAX_LAYERS; ++l) {
    if (!shownInPanel(l)) continue;
    layerFrames[l] = XtVaCreateManagedWidget("frame", xmFrameWidgetClass, theShowWidget, nullptr);
    int on = DIlayerFlag(l);
    Widget b = CreateColorLabel(layerFrames[l], "BUTTON", Glayers[l].name,
                                on ? GCgetNamedColor(Glayers[l].color) : offPixel());
    paintButton(b, l, on);
    snprintf(layerClients[l], sizeof layerClients[l], "%s", Glayers[l].name);
    XtAddEventHandler(b, ButtonPressMask, False, DIlayerButPressCB, layerClients[l]);
    Glayers[l].w = b;
    nameLayerButton(l);
  }
  if (GlayerNum < DT_MAX_LAYERS) Glayers[GlayerNum].w = nullptr;
}

Widget toggle(Widget parent, const char* name, const char* label, const char* client, bool set) {
  Widget t = CreateToggle(parent, name, label, set);
  XtAddEventHandler(t, ButtonPressMask, False, DIlayerButPressCB, const_cast<char*>(client));
  return t;
}
}  // namespace

void DIbuildLayerPanel(Widget panel) {
  theLayerWidget = CreateRadioBox(panel, "LAYERW");
  modeSwitches[0] = toggle(theLayerWidget, "toggle1", "Active Layer", "thelayers", false);
  modeSwitches[1] = toggle(theLayerWidget, "toggle2", "Display Switch", "display", true);
  modeSwitches[2] = toggle(theLayerWidget, "toggle3", "Fillmode Switch", "fillmode", false);
  XtVaCreateManagedWidget("Sep3", xmSeparatorWidgetClass, panel, XmNorientation, XmVERTICAL, nullptr);
  theShowWidget = XtVaCreateManagedWidget("SHOWW", xmRowColumnWidgetClass, panel, XmNorientation, XmHORIZONTAL,
                                          XmNpacking, XmPACK_COLUMN, XmNnumColumns, 2, XmNadjustLast, False, nullptr);
  makeLayerButtons();
}

void DInameLayerPanel() {
  static const char* const labels[] = {"Active Layer", "Display Switch", "Fillmode Switch"};
  for (int i = 0; i < 3; ++i) nameWindow(modeSwitches[i], labels[i]);
  for (int l = 0; l < GlayerNum && l < DT_MAX_LAYERS; ++l)
    if (Glayers[l].w) nameLayerButton(l);
}

void DIlayerControl() {
  // The row column lays the new buttons out afresh once they are all there.
  if (theShowWidget) XtUnmanageChild(theShowWidget);
  // The buttons of the previous technology go first, up to the first record without one.
  for (int l = 0; l < DT_MAX_LAYERS; ++l) {
    if (!Glayers[l].w && !layerFrames[l]) break;
    if (layerFrames[l]) XtDestroyWidget(layerFrames[l]);
    layerFrames[l] = nullptr;
    Glayers[l].w = nullptr;
  }
  if (!theShowWidget) return;
  makeLayerButtons();
  XtManageChild(theShowWidget);
}

void DIcolourLayerButton(int layer, int on) {
  if (layer < 0 || layer >= DT_MAX_LAYERS || !Glayers[layer].w) return;
  paintButton(static_cast<Widget>(Glayers[layer].w), layer, on);
}

void DIlayerButPressCB(Widget, XtPointer client, XEvent*, Boolean*) {
  DIlayerButPress(static_cast<const char*>(client));
}
