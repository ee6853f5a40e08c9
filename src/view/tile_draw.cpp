#include "view/tile_draw.h"

#include <algorithm>

#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "cs/plane_internal.h"
#include "cs/tile_marks.h"
#include "display/draw.h"
#include "display/show_flags.h"
#include "display/viewport.h"
#include "display/window_hooks.h"
#include "extract/name_display.h"
#include "techc/tech.h"
#include "view/layout_display.h"
#include "view/view.h"

namespace {
void fill(_Gviewport* vp, const _Dtile* t, int fillMode) {
  GGrectangle(vp, t->x1, t->y1, TileRight(t), TileTop(t), fillMode);
}

bool planeExtent(long* x1, long* y1, long* x2, long* y2) {
  if (DlayerNum <= 0 || !DlayerTile[0].layertile) return false;
  const _box& f = DlayerTile[0].frame;
  *x1 = f.x1, *y1 = f.y1, *x2 = f.x2, *y2 = f.y2;
  return true;
}

int boxMinusAdapter(const long a[4], const long b[4], long out[][4], int max) {
  _box* overlap = nullptr;
  _rects* pieces = BoxMinus(a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3], &overlap);
  int n = 0;
  for (_rects* p = pieces; p && n < max; p = p->next, ++n) {
    out[n][0] = p->x1, out[n][1] = p->y1, out[n][2] = p->x2, out[n][3] = p->y2;
  }
  CSfreeRects(pieces);
  GCdelete(overlap);
  return n;
}

struct PlaneDrawing {
  _Gviewport* vp;
  unsigned short layer;
  int fillMode;
};

bool drawTile(_Dtile* t, void* context) {
  const PlaneDrawing& d = *static_cast<PlaneDrawing*>(context);
  if (TisElement(t)) {
    GGsetColor(d.vp, 2);
    GGrectangle(d.vp, t->x1, t->y1, TileRight(t), TileTop(t), d.fillMode);
  } else if (t->type == d.layer) {
    GLrectangle(d.vp, t->x1, t->y1, TileRight(t), TileTop(t), d.fillMode);
  }
  return false;
}

void fillMark(_Dtile* tile, int colour) {
  GGsetColor(&Vmain, colour);
  fill(&Vmain, tile, 1);
}

void boundMark(_Dtile* tile) { fill(&Vmain, tile, 0); }

void redrawMain() { DVredraw(nullptr, nullptr, nullptr); }

void flagMark(_Dtile* tile) {
  long cx = (tile->x1 + TileRight(tile)) / 2, cy = (tile->y1 + TileTop(tile)) / 2;
  long r = std::max(1L, static_cast<long>(20 * Vmain.scale));
  GGcircle(&Vmain, cx, cy, r, 0);
}
}  // namespace

void ListDisplay(_Gviewport* vp, _Dtilelist* list, int colour) {
  GGsetColor(vp, colour);
  for (; list; list = list->next) fill(vp, list->tile, 1);
}

void TileDisplay(_Gviewport* vp, long x1, long y1, long x2, long y2) {
  if (DlayerNum <= 0 || !DlayerTile[0].layertile) {
    GCmessage(GC_MOD_CS, 'W', "No corner stitch layout");
    return;
  }
  for (int i = 0; i < DlayerNum; ++i) {
    _DlayerTile& p = DlayerTile[i];
    const _layerDef& layer = Glayers[DfindNumber(p.name)];
    GLsetGC(layer.layer);
    if (!p.layertile || layer.showswitch != 1) continue;
    PlaneDrawing drawing{vp, static_cast<unsigned short>(p.layer), layer.fillmode == 1};
    // Drawn as the walk meets them, while each tile is still in the cache;
    // drawing leaves the commands' cursor alone.
    CSplane plane{p.layertile};
    CSvisit(plane, x1, y1, x2, y2, drawTile, &drawing);
  }
  if (DlayerTile[0].highlight && FsetHighlight == 1) ListDisplay(vp, DlayerTile[0].highlight, 1);
  if (DlayerTile[0].selected && FsetSelected == 1) ListDisplay(vp, DlayerTile[0].selected, 6);
  if (FsetLabels == 1 && Gflatten) LabelDisplay(vp, Gflatten, 6, x1, y1, x2, y2);
}

void DVinstallViewHooks() {
  DVtileView view;
  view.extent = planeExtent;
  view.draw = TileDisplay;
  view.boxMinus = boxMinusAdapter;
  view.names = DExDisplayNames;
  DVsetTileView(view);
  CStileMarks marks;
  marks.fill = fillMark;
  marks.bound = boundMark;
  marks.flag = flagMark;
  CSsetTileMarks(marks);
  DIsetMainRedraw(redrawMain);
}
