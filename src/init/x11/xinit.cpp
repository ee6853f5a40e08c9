#include "init/x11/xinit.h"

#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/colors.h"
#include "common/message.h"
#include "common/settings.h"
#include "common/xbm.h"

Display* theDisplay = nullptr;
int theScreen = 0;
Window theRootWindow = 0;
Colormap theColormap = 0;
GC theGC = nullptr;
GC theXorGC = nullptr;
Visual* theVisual = nullptr;
int theDisplayWidth = 0;
int theDisplayHeight = 0;
XtAppContext app = nullptr;

extern Widget theDeskWidget;

void DIXinit(int* argc, char** argv) {
  XtToolkitInitialize();
  app = XtCreateApplicationContext();
  theDisplay = XtOpenDisplay(app, nullptr, argv[0], "XMclient", nullptr, 0, argc, argv);
  if (!theDisplay) {
    fprintf(stderr, "\n%s: Can't open display\n", argv[0]);
    exit(1);
  }
  theScreen = DefaultScreen(theDisplay);
  theVisual = DefaultVisual(theDisplay, theScreen);
  if (theVisual->map_entries <= 2) {
    fprintf(stderr, "This program requires a color display.\n");
    exit(1);
  }
  theRootWindow = RootWindow(theDisplay, theScreen);
  theColormap = DefaultColormap(theDisplay, theScreen);
  theDisplayWidth = DisplayWidth(theDisplay, theScreen);
  theDisplayHeight = DisplayHeight(theDisplay, theScreen);
  // The drawing context of the views (its colour changes with every layer).
  XGCValues v{};
  v.foreground = WhitePixel(theDisplay, theScreen);
  v.background = BlackPixel(theDisplay, theScreen);
  v.line_width = 0;
  theGC = XCreateGC(theDisplay, theRootWindow, GCForeground | GCBackground | GCLineWidth, &v);
  v.function = GXxor;
  theXorGC = XCreateGC(theDisplay, theRootWindow, GCFunction | GCForeground | GCBackground | GCLineWidth, &v);
}

void DIcolorInit() {
  GCcolorInit();
  _GWorkStation& ws = GCworkStation[GCstationId];
  for (int i = 0; i < ws.ncolor; ++i) ws.color[i].pixel = DIallocRGB(GCcolorRGB(i), BlackPixel(theDisplay, theScreen));
}

Pixel DIallocRGB(unsigned long rgb, Pixel fallback) {
  XColor c{};
  c.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 257);
  c.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 257);
  c.blue = static_cast<unsigned short>((rgb & 0xFF) * 257);
  c.flags = DoRed | DoGreen | DoBlue;
  return XAllocColor(theDisplay, theColormap, &c) ? c.pixel : fallback;
}

Cursor GGdefineCursor(const char* name, const char* fg, const char* bg) {
  std::string path = std::string(GCgetPath("IconPath")) + name;
  GCbitmap bm;
  if (!GCreadBitmap(path.c_str(), &bm)) {
    GCmessage(GC_MOD_COMMON, 'E', "No busy cursor bitmap file");
    return None;
  }
  Pixmap shape = XCreateBitmapFromData(theDisplay, theRootWindow, reinterpret_cast<const char*>(bm.bits.data()),
                                       static_cast<unsigned>(bm.width), static_cast<unsigned>(bm.height));
  XColor fore{}, back{}, exact{};
  XLookupColor(theDisplay, theColormap, fg, &exact, &fore);
  XLookupColor(theDisplay, theColormap, bg, &exact, &back);
  unsigned hx = bm.xHot >= 0 ? static_cast<unsigned>(bm.xHot) : static_cast<unsigned>(bm.width / 2);
  unsigned hy = bm.yHot >= 0 ? static_cast<unsigned>(bm.yHot) : static_cast<unsigned>(bm.height / 2);
  Cursor cursor = XCreatePixmapCursor(theDisplay, shape, shape, &fore, &back, hx, hy);
  XFreePixmap(theDisplay, shape);
  if (theDeskWidget && XtWindow(theDeskWidget)) XDefineCursor(theDisplay, XtWindow(theDeskWidget), cursor);
  return cursor;
}
