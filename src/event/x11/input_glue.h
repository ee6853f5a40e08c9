// The drawing areas' X input: button presses and pointer motion go to the
// input chain while its waiting step wants them; exposures to the redraw.
#pragma once
#include <X11/Intrinsic.h>

struct _Gviewport;

// Binds a viewport's drawing-area widget to the input chain.
void DEattachInput(_Gviewport* vp, Widget drawingArea);

// The character a key event types (0 when it types none).
char GGgetChar(XEvent* keyevent);
