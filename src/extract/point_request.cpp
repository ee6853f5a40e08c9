#include "extract/point_request.h"

#include "common/layout.h"
#include "display/viewport.h"
#include "event/event.h"

namespace {
DExPointFn pending = nullptr;
bool repeating = false;

int executeStep(_points*, _GEvent*) {
  _points* p = GGlastPoint();
  if (pending && p && p->x != DE_SENTINEL) pending(p->x, p->y);
  return repeating ? 0 : 1;
}

_GEvent pickStep = {GGEbutton1, GGRno, "Select a tile", nullptr, executeStep, nullptr, nullptr, nullptr};
}  // namespace

void DExAskPoint(DExPointFn execute, bool repeat) {
  pending = execute;
  repeating = repeat;
  pickStep.view = &Vmain;
  DEevent(&pickStep);
}
