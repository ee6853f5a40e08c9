// The display connection, the screen data and the colour table on the server.
#pragma once
#include <X11/Intrinsic.h>

extern Display* theDisplay;
extern int theScreen;
extern Window theRootWindow;
extern Colormap theColormap;
extern GC theGC;
extern GC theXorGC;
extern Visual* theVisual;
extern int theDisplayWidth;
extern int theDisplayHeight;
extern XtAppContext app;

// Toolkit, application context and display (exit 1 without a colour display).
void DIXinit(int* argc, char** argv);
// The colour name list, with every accepted colour allocated on the server.
void DIcolorInit();
// The server pixel of colour 0xRRGGBB, or `fallback` when it cannot be allocated.
Pixel DIallocRGB(unsigned long rgb, Pixel fallback);
// A cursor from the bitmap IconPath + name in two named colours, defined on
// the top-level window; None (and "No busy cursor bitmap file") when missing.
Cursor GGdefineCursor(const char* name, const char* fg, const char* bg);
