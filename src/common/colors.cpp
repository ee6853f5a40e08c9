#include "common/colors.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

#include "common/message.h"
#include "common/settings.h"

_GWorkStation GCworkStation[GC_MAX_STATIONS];
int GCstationId = 0;
int ColorNum = 0;

namespace {
struct NamedColor {
  const char* name;
  unsigned long rgb;
};
const NamedColor x11Colors[] = {
#include "common/x11_color_names.inc"
};
unsigned long tableRGB[GC_MAX_COLORS];
}  // namespace

bool GClookupColor(const char* name, unsigned long* rgb) {
  for (const NamedColor& c : x11Colors)
    if (strcasecmp(c.name, name) == 0) {
      *rgb = c.rgb;
      return true;
    }
  return false;
}

void GCresetColors() {
  memset(GCworkStation, 0, sizeof GCworkStation);
  memset(tableRGB, 0, sizeof tableRGB);
  GCstationId = 0;
  ColorNum = 0;
}

void GCcolorInit() {
  FILE* f = fopen(GCgetPath("ColorFile"), "r");
  if (!f) GCfatal(GC_MOD_INTERFACE, 1, "Can't open the rgb file");
  _GWorkStation& station = GCworkStation[GCstationId];
  station.ncolor = 0;
  char word[256];
  while (station.ncolor < GC_MAX_COLORS && fscanf(f, "%255s", word) == 1) {
    unsigned long rgb;
    if (strlen(word) >= sizeof(_GColor::name) || !GClookupColor(word, &rgb)) continue;
    _GColor& entry = station.color[station.ncolor];
    memcpy(entry.name, word, strlen(word) + 1);
    entry.pixel = rgb;
    tableRGB[station.ncolor] = rgb;
    station.ncolor++;
  }
  fclose(f);
  ColorNum = station.ncolor;
}

int GCgetNamedColorName(const char* name) {
  const _GWorkStation& station = GCworkStation[GCstationId];
  for (int i = 0; i < station.ncolor; ++i)
    if (strcmp(station.color[i].name, name) == 0) return i;
  return -1;
}

unsigned long GCgetNamedColor(const char* name) {
  int i = GCgetNamedColorName(name);
  return i < 0 ? ~0UL : GCworkStation[GCstationId].color[i].pixel;
}

unsigned long GCcolorRGB(int index) {
  return index >= 0 && index < GC_MAX_COLORS ? tableRGB[index] : 0;
}
