// The layer panel's widgets: the three mode switches and one button per layer.
#pragma once
#include <Xm/Xm.h>

// The switches, a separator and the layer buttons inside the LAYERPANEL row column.
void DIbuildLayerPanel(Widget panel);
// Names the windows of the switches and layer buttons (once realised).
void DInameLayerPanel();
// Rebuilds the layer buttons after a technology load.
void DIlayerControl();
void DIcolourLayerButton(int layer, int on);
void DIlayerButPressCB(Widget w, XtPointer client, XEvent* event, Boolean* more);
