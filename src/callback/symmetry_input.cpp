#include "callback/symmetry_input.h"

#include <algorithm>
#include <cstdlib>

#include "common/layout.h"
#include "common/message.h"
#include "compact/symmetry_commands.h"
#include "display/draw.h"
#include "event/event.h"
#include "extract/net.h"
#include "view/viewport.h"

namespace {
constexpr int kBoxColour = 3;
constexpr int kAxisColour = 20;
constexpr long kDashPixels = 4;

// A dashed line of width 0: dashes and gaps of kDashPixels on the screen.
void dashedLine(const SYline& l) {
  if (!l.draw) return;
  GGsetColor(&Vmain, kAxisColour);
  GGsetLineWidth(&Vmain, 0);
  long ox, oy, dx, dy;
  GCvtow(&Vmain, 0, 0, &ox, &oy);
  GCvtow(&Vmain, kDashPixels, 0, &dx, &dy);
  const long dash = std::max(1L, std::labs(dx - ox));
  const bool vertical = l.x1 == l.x2;
  const long from = vertical ? std::min(l.y1, l.y2) : std::min(l.x1, l.x2);
  const long to = vertical ? std::max(l.y1, l.y2) : std::max(l.x1, l.x2);
  for (long a = from; a < to; a += 2 * dash) {
    const long b = std::min(a + dash, to);
    if (vertical) GGline(&Vmain, l.x1, a, l.x1, b);
    else GGline(&Vmain, a, l.y1, b, l.y1);
  }
}

int boxEnd(_points* points, _GEvent*) {
  if (!points || !points->next) return 0;
  _points* a = points;
  _points* b = points->next;
  SYboxResult r = SYboundBoxRectangle(a->x, a->y, b->x, b->y);
  GGsetColor(&Vmain, kBoxColour);
  GGrectangle(&Vmain, r.x1, r.y1, r.x2, r.y2, 0);
  dashedLine(r.axis);
  return r.step == SY_BOX_STOP ? 1 : 0;
}

_GEvent boxEndStep{GGEbutton1, GGRbox, "Bound box: other corner", nullptr, boxEnd, nullptr, nullptr, &Vmain};
_GEvent boxStartStep{GGEbutton1, GGRno, "Bound box: first corner", nullptr, nullptr, nullptr, &boxEndStep, &Vmain};

int which = 1;

int selectExe(_points*, _GEvent*) {
  _points* p = GGlastPoint();
  if (!p || p->x == DE_SENTINEL) return 1;
  SYpick pick = SYselectTransistor(which, p->x, p->y);
  if (pick.kind == SY_PICK_NET) DExSearchNet(pick.net);
  else if (pick.kind == SY_PICK_NO_PLANES) GCmessage(GC_MOD_EXTRACT, 'W', "Corner stitch structure not ready");
  return 1;
}

_GEvent selectStep{GGEbutton1, GGRno, "Select a transistor", nullptr, selectExe, nullptr, nullptr, &Vmain};

int select(int slot) {
  which = slot;
  DEevent(&selectStep);
  return 1;
}
}  // namespace

int BoundBox() {
  SYboundBoxBegin();
  DEevent(&boxStartStep);
  return 1;
}

int SelTrans1() { return select(1); }
int SelTrans2() { return select(2); }

int TransSym() {
  dashedLine(SYtransSym());
  return 1;
}
