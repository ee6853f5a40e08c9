#include "event/event.h"

#include <algorithm>
#include <cmath>

#include "common/layout.h"
#include "common/memory.h"
#include "common/message.h"
#include "common/scale.h"
#include "display/draw.h"
#include "display/viewport.h"

_GEvent* GeventList = nullptr;
_GEvent* GcurEvent = nullptr;
_points* GpointList = nullptr;
_strings* GstringList = nullptr;
long rubx = 0, ruby = 0;
const char* rubstring = nullptr;
int rubed = 0;
long mx = 0, my = 0;
long radio = 0;
void (*GGrubDraw)(_Gviewport* vp, long ax, long ay, long px, long py) = nullptr;
void* Gcartoon = nullptr;
int DEbuttonArmed = 0;
int DEmotionArmed = 0;

namespace {
void (*armHook)(int button, int motion) = nullptr;

void setArmed(int button, int motion) {
  DEbuttonArmed = button;
  DEmotionArmed = motion;
  if (armHook) armHook(button, motion);
}

_Gviewport* viewOf(_GEvent* step, _Gviewport* fallback) {
  return step && step->view ? step->view : fallback ? fallback : &Vmain;
}

// Draws the step's rubber-band figure in XOR between the anchor and (mx, my).
void drawFigure(_GEvent* step, _Gviewport* vp) {
  switch (step->rubtype) {
    case GGRtext:
      if (rubstring) GGxstring(vp, mx, my, rubstring);
      break;
    case GGRline:
      GGxline(vp, rubx, ruby, mx, my);
      break;
    case GGRbox:
      GGxrectangle(vp, rubx, ruby, mx, my, 0);
      break;
    case GGRcircle: {
      double dx = static_cast<double>(rubx - mx), dy = static_cast<double>(ruby - my);
      radio = static_cast<long>(std::sqrt(dx * dx + dy * dy));
      GGxcircle(vp, rubx, ruby, radio, 0);
      break;
    }
    case GGRcartoon:
      if (GGrubDraw) GGrubDraw(vp, rubx, ruby, mx, my);
      break;
    default:  // arc and rectilinear bands show no figure
      break;
  }
}

void armStep(_GEvent* step) {
  GcurEvent = step;
  setArmed(0, 0);
  if (!step) {
    if (!GeventList) return;  // the command has ended
    GfreePoints();            // the command repeats from its first step
    GfreeStrings();
    armStep(GeventList);
    return;
  }
  int motion = 0;
  switch (step->rubtype) {
    case GGRtext: case GGRline: case GGRbox: case GGRcircle: case GGRarc: case GGRcartoon:
      motion = DErubInit(step) ? 1 : 0;
      break;
    default:
      break;
  }
  setArmed(step->eventtype >= GGEbutton1 && step->eventtype <= GGEpoints ? 1 : 0, motion);
  if (step->message) GCmessage(GC_MOD_EVENT, 'M', "%s", step->message);
}

void dropLastInput(_GEvent* step) {
  if (step->eventtype == GGEstring) GfreeString();
  else GfreePoint();
}

// A press accepted or ignored by the waiting step; `save` stores its point.
template <class Save>
void press(_Gviewport* vp, int button, Save save) {
  _GEvent* step = GcurEvent;
  if (!step || !DEbuttonArmed) return;
  if (vp && step->view && vp != step->view) return;
  int code;
  if (step->eventtype == GGEpoints) {
    if (button == 1) {
      save(false);
      code = DE_POINT_MORE;
    } else if (button == 3) {
      save(true);
      code = DE_POINT_END;
    } else {
      return;
    }
  } else if (step->eventtype >= GGEbutton1 && step->eventtype <= GGEbutton3) {
    if (button != static_cast<int>(step->eventtype)) return;
    save(false);
    code = DE_POINT_DONE;
  } else {
    return;
  }
  setArmed(0, 0);
  DEclearRub(step);
  DEinput(step, code);
}

// Input lists keep their order: new entries go to the end.
template <class Node>
void appendTo(Node** head, Node* node) {
  while (*head) head = &(*head)->next;
  *head = node;
}

template <class Node>
void dropLast(Node** head, void (*release)(Node*)) {
  if (!*head) return;
  while ((*head)->next) head = &(*head)->next;
  release(*head);
  *head = nullptr;
}

// A picked point is kept inside the planes, whose edge stands for infinity
// (and marks the end of a chain's points), so a click or a typed point far
// outside the layout finds the space there.
long insidePlanes(long v) { return std::clamp(v, -GC_INFINITY, GC_INFINITY); }

void append(long x, long y) {
  auto* p = GCnew<_points>();
  p->x = x;
  p->y = y;
  appendTo(&GpointList, p);
}
}  // namespace

void DEinit() {
  GfreeStrings();
  GfreePoints();
  GeventList = nullptr;
  GcurEvent = nullptr;
  Gcartoon = nullptr;
  setArmed(0, 0);
  rubed = 0;
  DworkingMode = 0;
}

void DEsetArmHook(void (*hook)(int button, int motion)) { armHook = hook; }

void DEevent(_GEvent* first) {
  // A new command discards the running chain, its figure and its input.
  if (GcurEvent) DEclearRub(GcurEvent);
  GfreePoints();
  GfreeStrings();
  GcurEvent = GeventList = first;
  armStep(first);
}

void DEendChain() {
  if (GcurEvent) DEclearRub(GcurEvent);
  DEfreeAllBuffer();
  GcurEvent = nullptr;
  setArmed(0, 0);
}

void DEinput(_GEvent* step, int code) {
  if (code != DE_POINT_END && step->check) {
    int r = step->check(GpointList, step);
    if (r == -1) {
      dropLastInput(step);
      armStep(step);
      return;
    }
    if (r == 1) {
      if (!step->execute || step->execute(GpointList, step) == 0) {
        DEfreeAllBuffer();
        GcurEvent = nullptr;
      }
      return;
    }
  }
  if (code != DE_POINT_MORE && step->execute) {
    int r = step->execute(GpointList, step);
    if (r == -1) {
      dropLastInput(step);
      armStep(step);
      return;
    }
    if (r == 1) {
      GcurEvent = nullptr;
      return;
    }
  }
  if (code == DE_POINT_MORE) {
    if (step->execute) step->execute(GpointList, step);
    armStep(step);
  } else {
    armStep(step->next);
  }
}

void DEbuttonCB(_Gviewport* vp, int button, long px, long py) {
  press(vp, button, [&](bool sentinel) { GGsavePoint(sentinel ? nullptr : vp, px, py); });
}

void DEpointWorld(int button, long wx, long wy) {
  press(nullptr, button, [&](bool sentinel) {
    if (sentinel) GGsavePoint(nullptr, 0, 0);
    else GGsaveWorldPoint(wx, wy);
  });
}

void DErubCB(_Gviewport* vp, long px, long py) {
  _GEvent* step = GcurEvent;
  if (!step || !DEmotionArmed) return;
  if (vp && step->view && vp != step->view) return;
  _Gviewport* view = viewOf(step, vp);
  if (rubed) drawFigure(step, view);
  GCvtow(view, px, py, &mx, &my);
  drawFigure(step, view);
  rubed = 1;
}

int DErubInit(_GEvent* step) {
  rubed = 0;
  if (step->rubtype == GGRtext) {
    _strings* s = GGlastString();
    if (!s) return 0;
    rubstring = s->string;
    return 1;
  }
  if (step->rubtype == GGRcartoon) return 1;
  _points* p = GGlastPoint();
  if (!p) return 0;
  rubx = p->x;
  ruby = p->y;
  return 1;
}

void DEclearRub(_GEvent* step) {
  if (!rubed || !step) return;
  drawFigure(step, viewOf(step, nullptr));
  rubed = 0;
}

void GGsavePoint(_Gviewport* vp, long x, long y) {
  if (!vp) {
    append(DE_SENTINEL, DE_SENTINEL);
    return;
  }
  long wx, wy;
  GCvtow(vp, x, y, &wx, &wy);
  append(insidePlanes(wx), insidePlanes(wy));
}

void GGsaveWorldPoint(long x, long y) { append(insidePlanes(x), insidePlanes(y)); }

void GGsaveString(const char* text) {
  auto* s = GCnew<_strings>();
  s->string = GCstrcpy(text);
  appendTo(&GstringList, s);
}

_points* GGlastPoint() {
  _points* p = GpointList;
  while (p && p->next) p = p->next;
  return p;
}

_strings* GGlastString() {
  _strings* s = GstringList;
  while (s && s->next) s = s->next;
  return s;
}

void GfreePoint() {
  dropLast<_points>(&GpointList, [](_points* p) { GCdelete(p); });
}

void GfreeString() {
  dropLast<_strings>(&GstringList, [](_strings* s) {
    if (rubstring == s->string) rubstring = nullptr;
    GCstrfree(s->string);
    GCdelete(s);
  });
}

void GfreePoints() {
  GCfreePoints(GpointList);
  GpointList = nullptr;
}

void GfreeStrings() {
  rubstring = nullptr;
  GCdeleteChain(GstringList, [](_strings* s) { GCstrfree(s->string); });
  GstringList = nullptr;
}

void DEfreeAllBuffer() {
  GfreePoints();
  GfreeStrings();
  GeventList = nullptr;
}

int GGpointCount() {
  int n = 0;
  for (_points* p = GpointList; p; p = p->next) ++n;
  return n;
}
