#include "compact/symmetry_pair_test.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "common/memory.h"
#include "compact/symmetry_detect.h"
#include "compact/symmetry_lists.h"
#include "compact/symmetry_sets.h"
#include "extract/transistor.h"

bool CallSymDetectFunctions(_Dtransistor* T1, _Dtransistor* T2) {
  if (!T1 || !T1->Tgate) {
    printf("\nTransistor %s does not exist in the circuit!\n", T1 ? T1->name : "");
    return false;
  }
  if (!T2 || !T2->Tgate) {
    printf("Transistor %s does not exist in the circuit!\n\n", T2 ? T2->name : "");
    return false;
  }
  // Each test reports its own axis only.
  x_axis = y_axis = SY_NO_AXIS;
  SYM_AXIS_LIST axes;
  const int found = SYpairAxes(T1, T2, &axes);
  axes.clean();
  SYfreeLooseRecords();
  return found > 0;
}

namespace {
std::vector<_listoftransistors*> ordered(_listoftransistors* list, bool sideBySide, bool first) {
  std::vector<_listoftransistors*> out;
  for (; list; list = list->next)
    if (list->Trans && list->Trans->Tgate) out.push_back(list);
  auto key = [&](const _listoftransistors* l) {
    Transistor t(l->Trans);
    if (sideBySide) return first ? t.get_gate_x1() : -t.get_gate_x2();
    return first ? t.get_gate_y1() : -t.get_gate_y2();
  };
  std::stable_sort(out.begin(), out.end(),
                   [&](const _listoftransistors* a, const _listoftransistors* b) { return key(a) < key(b); });
  return out;
}
}  // namespace

int DirtyAlgo(_listoftransistors* list1, _listoftransistors* list2, long* axis, _Dtransistor* reference) {
  Sets.clean();
  x_axis = y_axis = SY_NO_AXIS;
  if (!list1 && !list2) {
    printf("No transistor list received ...please try again.\n");
    return 0;
  }
  const bool sideBySide = !case_up_down;
  std::vector<_listoftransistors*> left = ordered(list1, sideBySide, true);
  std::vector<_listoftransistors*> right = ordered(list2, sideBySide, false);
  int count = 0;
  for (_listoftransistors* a : left) {
    bool matched = false;
    for (_listoftransistors* b : right) {
      if (b->deleted || !CallSymDetectFunctions(a->Trans, b->Trans)) continue;
      printf("Detected symmetry between %s(block1) and %s(block2)\n", b->Trans->name, a->Trans->name);
      a->deleted = b->deleted = 1;
      const bool horizontal = x_axis == SY_NO_AXIS && y_axis != SY_NO_AXIS;
      const long location = horizontal ? y_axis : x_axis;
      SYpushPair(++count, a->Trans, b->Trans, reference, horizontal ? 1 : 0, location, block_number);
      if (axis) *axis = location;
      matched = true;
      break;
    }
    if (!matched) {
      printf("Didnot find any transistor symmetric to %s\n", a->Trans->name);
      printf("The blocks are NOT symmetric!\n");
      ++block_number;
      return 0;
    }
  }
  printf("The blocks are symmetric!\n");
  ++block_number;
  return 1;
}

void SYfreeTransistorList(_listoftransistors* list) { GCdeleteChain(list); }
