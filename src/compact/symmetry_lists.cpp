// The axis lists, the common pair list and sym.report.
#include "compact/symmetry_lists.h"

#include <cstdlib>

#include "common/memory.h"
#include "common/message.h"
#include "common/output_file.h"
#include "compact/symmetry_detect.h"
#include "extract/transistor.h"
#include "techc/tech.h"

SYM_AXIS_LIST* all_sym_axes = nullptr;
_sym_constraint_list* final_sym_list = nullptr;
long x_axis = SY_NO_AXIS, y_axis = SY_NO_AXIS;
int IS_sym = 0;
long THE_SYM_AXIS = 0;
int case_left_right = 0, case_up_down = 0;
Transistor* trans1 = nullptr;
Transistor* trans2 = nullptr;
int Bound_Box = 0;
int block_number = 1;

SYM_EDGE_ITEM::SYM_EDGE_ITEM(_edge* right, _edge* left, _edge* rBottom, _edge* lBottom,
                             unsigned char gate_, _Dtransistor* rightTransistor,
                             _Dtransistor* leftTransistor)
    : right_edge(right), left_edge(left), r_bottom_edge(rBottom), l_bottom_edge(lBottom),
      gate(gate_), left_transistor(leftTransistor), right_transistor(rightTransistor) {}

SYM_LIST::~SYM_LIST() {
  while (head) {
    SYM_EDGE_ITEM* next = head->next;
    delete head;
    head = next;
  }
}

void SYM_LIST::insert(SYM_EDGE_ITEM* item) {
  item->next = head;
  head = item;
}

void SYM_LIST::add(SYM_EDGE_ITEM* item) {
  item->next = nullptr;
  SYM_EDGE_ITEM** at = &head;
  while (*at) at = &(*at)->next;
  *at = item;
}

void SYM_LIST::append(SYM_LIST* other) {
  SYM_EDGE_ITEM** at = &head;
  while (*at) at = &(*at)->next;
  *at = other->head;
  other->head = nullptr;
}

int SYM_LIST::count() const {
  int n = 0;
  for (SYM_EDGE_ITEM* i = head; i; i = i->next) ++n;
  return n;
}

SYM_AXIS_LIST::~SYM_AXIS_LIST() { clean(); }

void SYM_AXIS_LIST::insert(SYM_LIST* list) {
  indexedAxes_ = -1;
  head = new SYM_AXIS{0, list, head};
  ++nbr_axes;
}

void SYM_AXIS_LIST::merge(SYM_LIST* list) {
  for (SYM_AXIS* a = head; a; a = a->next) {
    if (a->one_axis->axis != list->axis || a->one_axis->orien != list->orien) continue;
    a->one_axis->append(list);
    ++a->one_axis->times;
    delete list;
    return;
  }
  insert(list);
}

void SYM_AXIS_LIST::merge_all(SYM_AXIS_LIST* other) {
  // Oldest first, so axes new to this list keep their relative order.
  SYM_AXIS* reversed = nullptr;
  while (other->head) {
    SYM_AXIS* a = other->head;
    other->head = a->next;
    a->next = reversed;
    reversed = a;
  }
  other->nbr_axes = 0;
  while (reversed) {
    SYM_AXIS* a = reversed;
    reversed = a->next;
    merge(a->one_axis);
    delete a;
  }
}

void SYM_AXIS_LIST::clean() {
  indexedAxes_ = -1;
  while (head) {
    SYM_AXIS* next = head->next;
    delete head->one_axis;
    delete head;
    head = next;
  }
  nbr_axes = 0;
}

void SYM_AXIS_LIST::cleanforjustsym() {
  if (nbr_axes <= 1) return;
  indexedAxes_ = -1;
  for (SYM_AXIS** at = &head; *at;) {
    if ((*at)->one_axis->times == 1) {
      SYM_AXIS* gone = *at;
      *at = gone->next;
      delete gone->one_axis;
      delete gone;
      --nbr_axes;
    } else {
      at = &(*at)->next;
    }
  }
}

void SYpushPair(int number, _Dtransistor* t1, _Dtransistor* t2, _Dtransistor* reference, int axis,
                long location, int block) {
  auto* e = GCnew<_sym_constraint_list>();
  e->number = number;
  e->Trans1 = t1;
  e->Trans2 = t2;
  e->Tran_res = reference;
  e->axis = axis;
  e->sym_loc = location;
  e->block_number = block;
  e->edge = nullptr;
  e->next = final_sym_list;
  final_sym_list = e;
}

void SYfreeFinalList() {
  GCdeleteChain(final_sym_list);
  final_sym_list = nullptr;
}

SYliveTransistors::SYliveTransistors() {
  if (!Transistors) return;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* t = Transistors[e]; t; t = t->next) live_.insert(t);
}

bool SYliveTransistors::has(const _Dtransistor* t) const { return t && live_.count(t); }

void SYclearDeclaredPairs() {
  SYfreeFinalList();
  block_number = 1;
}

void SYreset() {
  delete all_sym_axes;
  all_sym_axes = nullptr;
  SYclearDeclaredPairs();
  x_axis = y_axis = SY_NO_AXIS;
  IS_sym = 0;
  THE_SYM_AXIS = 0;
  case_left_right = case_up_down = 0;
  delete trans1;
  delete trans2;
  trans1 = trans2 = nullptr;
  Bound_Box = 0;
}

void convert_sym_datastructure() {
  if (final_sym_list) {
    printf("SYM_DS: Why does final_sym_list is not NULL??  Will clear it.\n");
    SYfreeFinalList();
  }
  if (!all_sym_axes) {
    printf("SYM_DS: Why does all_sym_axes is NULL??\n");
    return;
  }
  int b = 0;
  for (SYM_AXIS* a = all_sym_axes->head; a; a = a->next) {
    ++b;
    int n = 0;
    for (SYM_EDGE_ITEM* i = a->one_axis->head; i; i = i->next)
      SYpushPair(++n, i->left_transistor, i->right_transistor, nullptr, a->one_axis->orien,
                 a->one_axis->axis, b);
  }
}

namespace {
const char* nameOf(const _Dtransistor* t, const SYliveTransistors& live) { return live.has(t) ? t->name : "-"; }

// A transistor whose drain and source lie above and below its gate.
bool stacked(const _Dtransistor* t, const SYliveTransistors& live) { return live.has(t) && t->Tgate && t->Tdrain && t->Tgate->x1 == t->Tdrain->x1; }
}  // namespace

void SYwriteSymReport(FILE* out) {
  const SYliveTransistors live;
  fprintf(out, "Num   Tran1   Tran2  R_Tran   Blk_num   Axis\n");
  int pairs = 0, axes = 0, constraints = 0;
  bool first = true;
  int previous = 0;
  for (_sym_constraint_list* e = final_sym_list; e; e = e->next) {
    if (first || e->block_number != previous) {
      fprintf(out, "\n");
      ++axes;
    }
    first = false;
    previous = e->block_number;
    fprintf(out, "%3i  %6s  %6s  %6s        %3i     %c = %i\n", e->number, nameOf(e->Trans1, live),
            nameOf(e->Trans2, live), nameOf(e->Tran_res, live), e->block_number, e->axis ? 'Y' : 'X',
            static_cast<int>(e->sym_loc));
    ++pairs;
    constraints += stacked(e->Trans1, live) ? 9 : 6;
  }
  fprintf(out, "\nTotal Symmetry Transistors Pairs Found = %i\n", pairs);
  fprintf(out, "Total Symmetry Axes Found = %i\n", axes);
  fprintf(out, "Total Constraints Created = %i\n", constraints);
}

void PrintSymList() {
  GCoutputFile out("sym.report");
  if (!out.stream()) {
    printf("\n Can't open file sym.report\n");
    fflush(stdout);
    exit(0);
  }
  SYwriteSymReport(out.stream());
  if (!out.finish()) GCmessage(GC_MOD_COMMON, 'E', "Can't write sym.report");
}
