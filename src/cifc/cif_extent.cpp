#include "cifc/cif_extent.h"

#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "cifc/flatten.h"
#include "common/layout.h"
#include "common/scale.h"

namespace {
struct Extent {
  _box box;
  bool done = false;
  bool open = false;  // on the walk's stack: a call back to it closes a loop
};

void extend(_box& b, long x, long y) {
  b.x1 = std::min(b.x1, x);
  b.y1 = std::min(b.y1, y);
  b.x2 = std::max(b.x2, x);
  b.y2 = std::max(b.y2, y);
}

// The called cell's box moved by the call: its four corners, transformed.
void addCall(_box& into, const _instance* inst, const _box& called) {
  if (GCframeEmpty(called)) return;
  for (long x : {called.x1, called.x2})
    for (long y : {called.y1, called.y2}) {
      long tx, ty;
      PointTrans(inst->opcode, inst->optimes, x, y, &tx, &ty);
      extend(into, tx, ty);
    }
}

bool inside(const _box& b) {
  return GCframeEmpty(b) ||
         (b.x1 >= -GC_INFINITY && b.y1 >= -GC_INFINITY && b.x2 <= GC_INFINITY && b.y2 <= GC_INFINITY);
}
}  // namespace

const char* ACcellBeyondPlanes() {
  std::unordered_map<std::string, _layout*> byName;  // the first cell of a name, as flattening finds it
  for (_layout* l = Gsymbols; l; l = l->next) byName.emplace(l->name, l);
  std::unordered_map<const _layout*, Extent> extent;
  auto calledCell = [&](const _instance* inst) -> _layout* {
    auto found = byName.find(inst->cellname);
    return found == byName.end() ? nullptr : found->second;
  };
  // Post-order over the calls with an explicit stack, so deep hierarchies are safe.
  for (_layout* root = Gsymbols; root; root = root->next) {
    if (extent[root].done) continue;
    std::vector<_layout*> stack{root};
    while (!stack.empty()) {
      _layout* cell = stack.back();
      Extent& e = extent[cell];
      if (!e.open) {
        e.open = true;
        for (const _instance* i = cell->instance; i; i = i->next)
          if (_layout* c = calledCell(i); c && !extent[c].done && !extent[c].open) stack.push_back(c);
        continue;
      }
      stack.pop_back();
      if (e.done) continue;
      e.box = cell->frame;
      for (const _instance* i = cell->instance; i; i = i->next)
        if (_layout* c = calledCell(i); c && extent[c].done) addCall(e.box, i, extent[c].box);
      e.done = true;
      if (!inside(e.box)) return cell->name;
    }
  }
  return nullptr;
}
