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
char layerClients[DT_MAX_LAYERS][32];

Pixel offPixel() {
  const _GWorkStation& ws = GCworkStation[GCstationId];
  return ws.ncolor > 0 ? ws.color[0].pixel : 0;
}

// Light layer colours get a dark button, dark ones a light button, so that
// every name stays legible.
Pixel buttonBackground(const char* colour) {
  static Pixel dark = 0, light = 0;
  static bool made = false;
  if (!made) {
    XColor c{}, exact{};
    Colormap cmap = DefaultColormapOfScreen(XtScreen(theShowWidget));
    dark = XAllocNamedColor(XtDisplay(theShowWidget), cmap, "gray30", &c, &exact) ? c.pixel : 0;
    light = XAllocNamedColor(XtDisplay(theShowWidget), cmap, "gray85", &c, &exact) ? c.pixel : 0;
    made = true;
  }
  int index = GCgetNamedColorName(colour);
  unsigned long rgb = index < 0 ? 0 : GCcolorRGB(index);
  double luminance = 0.299 * ((rgb >> 16) & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * (rgb & 0xFF);
  return luminance > 140 ? dark : light;
}

bool shownInPanel(int l) { return Glayers[l].name[0] != '\0' && strcmp(Glayers[l].name, "@") != 0; }

void makeLayerButtons() {
  for (int l = 0; l < GlayerNum && l < DT_MAX_LAYERS; ++l) {
    if (!shownInPanel(l)) continue;
    layerFrames[l] = XtVaCreateManagedWidget("frame", xmFrameWidgetClass, theShowWidget, nullptr);
    unsigned long pixel = DIlayerFlag(l) ? GCgetNamedColor(Glayers[l].color) : offPixel();
    Widget b = CreateColorLabel(layerFrames[l], "BUTTON", Glayers[l].name, pixel);
    XtVaSetValues(b, XmNbackground, buttonBackground(Glayers[l].color), nullptr);
    snprintf(layerClients[l], sizeof layerClients[l], "%s", Glayers[l].name);
    XtAddEventHandler(b, ButtonPressMask, False, DIlayerButPressCB, layerClients[l]);
    Glayers[l].w = b;
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
  toggle(theLayerWidget, "toggle1", "Active Layer", "thelayers", false);
  toggle(theLayerWidget, "toggle2", "Display Switch", "display", true);
  toggle(theLayerWidget, "toggle3", "Fillmode Switch", "fillmode", false);
  XtVaCreateManagedWidget("Sep3", xmSeparatorWidgetClass, panel, XmNorientation, XmVERTICAL, nullptr);
  theShowWidget = XtVaCreateManagedWidget("SHOWW", xmRowColumnWidgetClass, panel, XmNorientation, XmHORIZONTAL,
                                          XmNpacking, XmPACK_COLUMN, XmNnumColumns, 2, XmNadjustLast, False, nullptr);
  makeLayerButtons();
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
  Pixel pixel = on ? GCgetNamedColor(Glayers[layer].color) : offPixel();
  XtVaSetValues(static_cast<Widget>(Glayers[layer].w), XmNforeground, pixel, nullptr);
}

void DIlayerButPressCB(Widget, XtPointer client, XEvent*, Boolean*) {
  DIlayerButPress(static_cast<const char*>(client));
}
