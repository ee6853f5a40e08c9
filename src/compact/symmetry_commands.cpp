#include "compact/symmetry_commands.h"

#include <algorithm>
#include <cstdio>

#include "common/memory.h"
#include "common/message.h"
#include "compact/resizer_stores.h"
#include "compact/symmetry_detect.h"
#include "compact/symmetry_pair_test.h"
#include "cs/cs.h"
#include "extract/plane_cursor.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {
bool haveFirst = false;
long first[4];

// Transistors whose gate tile lies inside the rectangle.
_listoftransistors* gatesIn(const long r[4]) {
  _listoftransistors* list = nullptr;
  if (!Transistors) return list;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next) {
      const _Dtile* g = t->Tgate;
      if (!g || t->number < 0) continue;
      if (g->x1 < r[0] || g->y1 < r[1] || TileRight(g) > r[2] || TileTop(g) > r[3]) continue;
      auto* item = GCnew<_listoftransistors>();
      item->Trans = t;
      item->next = list;
      list = item;
    }
  return list;
}
}  // namespace

void SYboundBoxBegin() {
  init_staff();
  SYclearDeclaredPairs();
  Bound_Box = 1;
  haveFirst = false;
}

SYboxResult SYboundBoxRectangle(long ax, long ay, long bx, long by) {
  SYboxResult out{};
  out.x1 = std::min(ax, bx);
  out.y1 = std::min(ay, by);
  out.x2 = std::max(ax, bx);
  out.y2 = std::max(ay, by);
  printf("x1=%d, y1=%d, x2=%d, y2=%d & isFirstSelected=%d\n", static_cast<int>(out.x1), static_cast<int>(out.y1),
         static_cast<int>(out.x2), static_cast<int>(out.y2), haveFirst ? 1 : 0);
  const long second[4] = {out.x1, out.y1, out.x2, out.y2};
  if (!haveFirst) {
    std::copy(second, second + 4, first);
    haveFirst = true;
    out.step = SY_BOX_FIRST;
    return out;
  }
  haveFirst = false;
  const bool apartX = first[2] < second[0] || second[2] < first[0];
  const bool apartY = first[3] < second[1] || second[3] < first[1];
  if (apartX && apartY) {
    printf("I can not check common_centroid symmetry now!\n");
    out.step = SY_BOX_STOP;
    return out;
  }
  case_left_right = apartX ? 1 : 0;
  case_up_down = apartY ? 1 : 0;
  x_axis = y_axis = SY_NO_AXIS;
  IS_sym = 0;
  _listoftransistors* list1 = gatesIn(first);
  _listoftransistors* list2 = gatesIn(second);
  long axis = 0;
  const bool ok = DirtyAlgo(list1, list2, &axis, nullptr);
  SYfreeTransistorList(list1);
  SYfreeTransistorList(list2);
  out.step = SY_BOX_CHECKED;
  if (!ok) {
    printf("Not Symmetrical!!!\n");
    return out;
  }
  out.axis.draw = true;
  if (case_up_down) {
    out.axis = {true, std::max(first[0], second[0]), axis, std::min(first[2], second[2]), axis};
  } else {
    out.axis = {true, axis, std::max(first[1], second[1]), axis, std::min(first[3], second[3])};
  }
  return out;
}

SYpick SYselectTransistor(int which, long x, long y) {
  if (DlayerNum == 0) return {SY_PICK_NO_PLANES, 0};
  DExResetCursors();
  // A gate is covered by its poly, a marked tile of an earlier plane: the
  // transistor under the point wins over the net.
  _Dtile* net = nullptr;
  for (int p = 0; p < DlayerNum; ++p) {
    if (!DlayerTile[p].layertile) {
      GCmessage(GC_MOD_EXTRACT, 'E', "CS structure not ready");
      return {SY_PICK_NOT_READY, 0};
    }
    _Dtile* t = DExFind(p, x, y);
    if (!TisSolid(t)) continue;
    _Dtransistor* found = TisElement(t) ? Tile(t).findTransistor() : nullptr;
    if (found) {
      Transistor*& slot = which == 1 ? trans1 : trans2;
      delete slot;
      slot = new Transistor(found);
      GCmessage(GC_MOD_EXTRACT, 'M', "It is a transistor");
      return {SY_PICK_TRANSISTOR, 0};
    }
    if (!net && t->node > 0) net = t;
  }
  if (net) return {SY_PICK_NET, net->node};
  GCmessage(GC_MOD_EXTRACT, 'M', "No object selected");
  return {SY_PICK_NOTHING, 0};
}

SYline SYtransSym() {
  x_axis = y_axis = SY_NO_AXIS;
  const SYliveTransistors live;
  if (!trans1 || !live.has(trans1->get())) {
    printf("\nThe selection of first transistor was NOT okay!\n");
    printf("Please reselect..\n");
    return {};
  }
  if (!trans2 || !live.has(trans2->get())) {
    printf("\nThe selection of second transistor was NOT okay!\n");
    printf("Please reselect..\n");
    return {};
  }
  if (!trans1->sym_check(trans2)) {
    printf("These two transistors are NOT Symmetrical!!\n");
    return {};
  }
  printf("These two transistors are Symmetrical!!\n");
  if (x_axis != SY_NO_AXIS) return {true, x_axis, trans1->get_gate_y2(), x_axis, trans1->get_gate_y1()};
  return {true, trans1->get_gate_x2(), y_axis, trans1->get_gate_x1(), y_axis};
}
