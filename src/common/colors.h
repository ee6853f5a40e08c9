// The colour table read from the colour name list (ColorFile). Names are
// checked against the X11 colour database built into the core, so the batch
// program accepts and rejects exactly the names an X server would.
#pragma once

inline constexpr int GC_MAX_COLORS = 128;
inline constexpr int GC_MAX_STATIONS = 10;

struct _GColor {
  char name[32];
  unsigned long pixel;  // 0xRRGGBB in the core; the Motif front end stores its allocated pixel
};

struct _GWorkStation {
  char* name;
  _GColor color[GC_MAX_COLORS];
  int ncolor;
};

extern _GWorkStation GCworkStation[GC_MAX_STATIONS];
extern int GCstationId;  // the station in use (0)
extern int ColorNum;

// Reads the ColorFile list into GCworkStation[GCstationId]: unknown names are
// skipped, at most 128 are kept. Fatal "Can't open the rgb file" (status 1).
void GCcolorInit();
// Pixel of the named entry, or all bits set when there is none.
unsigned long GCgetNamedColor(const char* name);
// Index of the named entry, or -1.
int GCgetNamedColorName(const char* name);
// 0xRRGGBB of a table entry (independent of the pixel a front end stored).
unsigned long GCcolorRGB(int index);
// Looks a name up in the X11 colour database (case-insensitive): true and 0xRRGGBB when known.
bool GClookupColor(const char* name, unsigned long* rgb);
void GCresetColors();
