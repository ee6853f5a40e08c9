// f.DCcrtCS: one plane per technology layer named by the elements and the
// connections, filled from the smashed layout, gate areas marked as element
// tiles, then the contact links.
#include "cs/build.h"

#include <cstdio>
#include <cstring>

#include "common/cputime.h"
#include "common/error_buffer.h"
#include "common/layout.h"
#include "common/message.h"
#include "common/switches.h"
#include "cs/hint_grid.h"
#include "cs/plane_internal.h"
#include "techc/tech.h"

namespace {
void (*rebuildHook)() = nullptr;

void progress(const char* text) {
  if (!Silently) fputs(text, stderr);
}

// Makes and fills the next plane for the technology layer `name`.
bool makePlane(const char* name, short element) {
  if (DlayerNum >= CS_MAX_PLANES) {
    GCmessage(GC_MOD_CS, 'E', "No room for the plane of layer %s", name);
    return false;
  }
  int index = DfindNumber(name);
  int k = DlayerNum++;
  _DlayerTile& p = DlayerTile[k];
  memset(&p, 0, sizeof p);
  snprintf(p.name, sizeof p.name, "%s", name);
  p.layer = static_cast<short>(Glayers[index].layer);
  p.layertile = Init1LayerCS();
  p.crittile = Init1LayerCS();
  p.bordertile = p.crittile->rt;
  if (k == 0 && Gflatten) p.frame = Gflatten->frame;
  CLayer = &p;
  if (!Silently) fprintf(stderr, "Layer name: %s\n", name);
  {
    GCbufferedErrors counter;
    progress("Creating tiles :         ");
    CrtLayerCS(k, element);
    CLayer = nullptr;
    progress(" Done.\n");
  }
  return true;
}

bool ensurePlane(const char* name) { return !DnoLayerCS(name) || makePlane(name, 0); }

_rects* layerRects(int number) {
  if (!Gflatten || number < 0 || number >= GC_MAX_SLOTS || !Gflatten->symbol[number]) return nullptr;
  return Gflatten->symbol[number]->rect;
}

long flatRectCount() {
  long n = 0;
  for (int l = 0; l < GC_MAX_SLOTS; ++l)
    for (_rects* r = layerRects(l); r; r = r->next) ++n;
  return n;
}
}  // namespace

void CSsetRebuildHook(void (*dropPlaneUsers)()) { rebuildHook = dropPlaneUsers; }

void CrtLayerCS(int plane, short element) {
  _DlayerTile& p = DlayerTile[plane];
  int number = Glayers[DfindNumber(p.name)].layer;
  Stitch = p.layertile;
  for (_rects* r = layerRects(number); r; r = r->next) {
    Stitch = CShint(plane, r->x2, r->y1, Stitch);
    if (element)
      Stitch = ElementCreation(r, static_cast<short>(number), Stitch, plane);
    else
      Stitch = Put1BoxCS(r, static_cast<short>(number), plane);
    CShintRecord(plane, r->x2, r->y1, Stitch);
    p.layertile = Stitch;  // keeps the entry valid while other planes are visited
  }
  p.layertile = Stitch;
}

int DCcrtCS() {
  if (DlayerNum > 0 && DlayerTile[0].layertile) GCmessage(GC_MOD_CS, 'W', "You must free the old CS first");
  if (DelementNum <= 0 || DconNum <= 0) {
    GCmessage(GC_MOD_CS, 'W', "Technology missing");
    return 1;
  }
  if (!Gflatten) {
    GCmessage(GC_MOD_CS, 'W', "No smashed layout available");
    return 1;
  }
  if (Delement[0].layerNum < 2) {
    GCmessage(GC_MOD_CS, 'E', "Basic element definition error");
    return 1;
  }
  if (rebuildHook) rebuildHook();  // transistors and nets of the old planes
  CSdiscardPlanes();
  CShintsBegin(Gflatten->frame, flatRectCount());
  GCcpuTime(0, "DCcrtCS");
  GCmessage(GC_MOD_CS, 'M', "Creating the active layer ...");
  DlayerNum = 0;
  fputs("Creating the corner stitching structure ...\n", stderr);
  makePlane(Delement[0].layers[0], 0);

  GCmessage(GC_MOD_CS, 'M', "Creating other layers ...");
  for (int e = 0; e < DelementNum; ++e) {
    const _Delement& el = Delement[e];
    for (int j = 0; j < el.layerNum; ++j) {
      if (!DnoLayerCS(el.layers[j])) continue;
      makePlane(el.layers[j], j == 1);
      fputs(e == 0 ? "\nmaking cs data structure for a PMOS\n" : "\nmaking cs data structu re for a NMOS\n", stdout);
    }
    for (int j = 0; j < el.portLayerNum; ++j) ensurePlane(el.portlayers[j]);
  }

  GCmessage(GC_MOD_CS, 'M', "Creating connection layers ...");
  for (int c = 0; c < DconNum; ++c) {
    const _Dconnect& con = Dconnect[c];
    ensurePlane(con.lowerLayer);
    ensurePlane(con.upperLayer);
    ensurePlane(con.conLayer);
    _Dtile* lower = NamedLayerTile(con.lowerLayer);
    _Dtile* upper = NamedLayerTile(con.upperLayer);
    if (!lower || !upper) {
      GCmessage(GC_MOD_CS, 'E', "Connection layers error");
      CShintsEnd();
      GCcpuTime(1, "DCcrtCS");
      return 1;
    }
    progress("Creating contact structure ...\n");
    CrtContact(lower, upper, Glayers[DfindNumber(con.conLayer)].layer);
  }
  CShintsEnd();
  GCactivateCS();
  GCmessage(GC_MOD_CS, 'M', "Corner Stitching is created");
  GCcpuTime(1, "DCcrtCS");
  return 1;
}
