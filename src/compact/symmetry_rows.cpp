// Symmetry rows: the LP rows of the detected axes and the graph back end's
// rows of the declared pairs.
#include "compact/symmetry_rows.h"

#include <array>
#include <cstdio>
#include <unordered_map>
#include <vector>

#include "compact/sweep_internal.h"
#include "compact/symmetry_lists.h"
#include "extract/transistor.h"

namespace {

_adjacency_list** storeOf(bool x) { return x ? equat_bucket : equat_bucket_y; }

// A variable without end points for an axis.
_edge* axisVariable(short layer) {
  _edge* e = SWnewEdge();
  *e = _edge{};
  e->layer_num = layer;
  return e;
}

// The row helpers skip rows that miss a side (already reported) and rows
// that would name one side against itself.
struct Rows {
  bool x;
  _rhs_list** rhs;

  // X(a) + X(b) - X(c) - X(d) = 0. A side on both sides of the row (a
  // shared diffusion) cancels: the rest is an equality, or nothing.
  void sum(_edge* a, _edge* b, _edge* c, _edge* d) const {
    if (!a || !b || !c || !d) return;
    _edge* plus[2] = {a, b};
    _edge* minus[2] = {c, d};
    int left = 2;
    for (int i = 0; i < 2; ++i)
      for (int j = 0; j < 2; ++j)
        if (plus[i] && plus[i] == minus[j]) {
          plus[i] = minus[j] = nullptr;
          --left;
          break;
        }
    if (left == 2) {
      if (a != b) add_column_4(a, b, c, d, storeOf(x), rhs, 0);
    } else if (left == 1) {
      equal(plus[0] ? plus[0] : plus[1], minus[0] ? minus[0] : minus[1]);
    }
  }
  // X(a) - X(b) type 0
  void diff(_edge* a, _edge* b, char type) const {
    if (!a || !b || a == b) return;
    add_column_2(b, a, storeOf(x), rhs, 0, type, 1, 1);
  }
  void equal(_edge* a, _edge* b) const { diff(a, b, 'E'); }
};

// The column after / before a variable in the same store.
_edge* columnAfter(bool x, const _edge* e) { return storeOf(x)[e->sub]->the_edge; }
_edge* columnBefore(bool x, const _edge* e) { return e->sub >= 2 ? storeOf(x)[e->sub - 2]->the_edge : nullptr; }

long level(const _edge* e) { return e->p1->x; }
long start(const _edge* e) { return e->p1->y; }

void axisRowsX(SYM_LIST* axis, _edge* A, const Rows& rows) {
  for (SYM_EDGE_ITEM* i = axis->head; i; i = i->next) {
    if (!i->right_edge || !i->left_edge) continue;
    rows.sum(i->right_edge, i->left_edge, A, A);
    if (i->right_edge->sub % 2 == 1)
      rows.sum(columnAfter(true, i->right_edge), columnBefore(true, i->left_edge), i->right_edge, i->left_edge);
  }
}

void axisRowsY(SYM_LIST* axis, const Rows& rows) {
  _adjacency_list** eq = equat_bucket_y;
  for (SYM_EDGE_ITEM* i = axis->head; i; i = i->next) {
    _edge* rb = i->r_bottom_edge;
    _edge* lb = i->l_bottom_edge;
    if (!rb || !lb) continue;
    if (!i->gate) {
      rows.equal(lb, rb);
      continue;
    }
    _edge* rt = columnAfter(false, rb);
    _edge* lt = columnAfter(false, lb);
    // Gates of unequal heights are compared at the outer levels of the two.
    if (level(rb) != level(lb)) {
      if (level(rb) >= level(lb)) rb = lookup_equa(eq, lb, start(rb), lb->layer_num);
      else lb = lookup_equa(eq, rb, start(lb), rb->layer_num);
    }
    if (rt && lt && level(rt) != level(lt)) {
      if (level(rt) >= level(lt)) lt = lookup_equa(eq, rt, start(lt), rt->layer_num);
      else rt = lookup_equa(eq, lt, start(rt), lt->layer_num);
    }
    if (!rb || !lb || !rt || !lt) continue;
    rows.sum(rt, lb, rb, lt);
    rows.equal(lookup_equa(eq, lb, start(rb), 0), rb);
    rows.equal(lookup_equa(eq, rb, start(lb), 0), lb);
    rows.equal(lookup_equa(eq, rt, start(lt), 0), lt);
    rows.equal(lookup_equa(eq, lt, start(rt), 0), rt);
  }
}

// --- graph back end ---

bool stacked(const _Dtransistor* t) { return t->Tgate && t->Tdrain && t->Tgate->x1 == t->Tdrain->x1; }
bool bottomsDiffer(const _Dtransistor* t) { return t->Tgate && t->Tdrain && t->Tgate->y1 != t->Tdrain->y1; }

_edge* L(_Dtile* t) { return findedge(t, 1); }
_edge* R(_Dtile* t) { return findedge(t, 2); }
_edge* T(_Dtile* t) { return findedge(t, 3); }
_edge* B(_Dtile* t) { return findedge(t, 4); }

bool startsAxis(const _sym_constraint_list* e, const _sym_constraint_list* previous) {
  return !previous || e->axis != previous->axis || e->sym_loc != previous->sym_loc ||
         e->block_number != previous->block_number;
}

void makeAxisVariables() {
  _edge* shared = nullptr;
  int column = num_of_var;
  const _sym_constraint_list* previous = nullptr;
  for (_sym_constraint_list* e = final_sym_list; e; previous = e, e = e->next) {
    if (startsAxis(e, previous)) {
      ++column;
      _edge* first = axisVariable(SY_AXIS_LAYER);
      _edge* second = axisVariable(SY_AXIS_TWIN_LAYER);
      const bool vertical = e->axis == 0;
      SWsetVariable(1, column, vertical ? first : second, vertical ? 1 : 0);
      SWsetVariable(0, column, vertical ? second : first, vertical ? 0 : 1);
      first->sub = second->sub = column;
      shared = first;
      NUM_of_VAR = column;
    }
    e->edge = shared;
  }
}

void verticalPairRows(const _sym_constraint_list* e, bool x, const Rows& rows) {
  _Dtransistor* t1 = e->Trans1;
  _Dtransistor* t2 = e->Trans2;
  _edge* A = e->edge;
  if (stacked(t1)) {
    if (x) {
      _Dtile *g1 = t1->Tgate, *g2 = t2->Tgate;
      rows.sum(R(g1), L(g2), A, A);
      rows.sum(R(g1), L(g2), L(g1), R(g2));
      if (g1 && g2 && g1->x1 >= g2->x1) rows.diff(L(g1), R(g2), 'G');
      else rows.diff(L(g2), R(g1), 'G');
    } else {
      for (auto pick : {&_Dtransistor::Pgate, &_Dtransistor::Tdrain, &_Dtransistor::Tsource}) {
        rows.equal(T(t1->*pick), T(t2->*pick));
        rows.equal(B(t1->*pick), B(t2->*pick));
      }
    }
    return;
  }
  if (x) {
    _Dtile *p1 = t1->Pgate, *p2 = t2->Pgate;
    rows.sum(R(p1), L(p2), A, A);
    rows.sum(R(p1), L(p2), L(p1), R(p2));
    rows.sum(R(t1->Tdrain), L(t2->Tsource), L(t1->Tdrain), R(t2->Tsource));
    rows.sum(R(t1->Tsource), L(t2->Tdrain), L(t1->Tsource), R(t2->Tdrain));
  } else {
    rows.equal(T(t1->Tgate), T(t2->Tgate));
    rows.equal(B(t1->Tgate), B(t2->Tgate));
  }
}

void horizontalPairRows(const _sym_constraint_list* e, bool x, const Rows& rows) {
  _Dtransistor* t1 = e->Trans1;
  _Dtransistor* t2 = e->Trans2;
  _edge* A = e->edge;
  if (bottomsDiffer(t1)) {
    if (!x) {
      _Dtile *p1 = t1->Pgate, *p2 = t2->Pgate;
      rows.sum(T(p1), B(p2), A, A);
      rows.sum(T(p1), B(p2), B(p1), T(p2));
      rows.sum(T(t1->Tdrain), B(t2->Tsource), B(t1->Tdrain), T(t2->Tsource));
      rows.sum(T(t1->Tsource), B(t2->Tdrain), B(t1->Tsource), T(t2->Tdrain));
    } else {
      rows.equal(L(t1->Tgate), L(t2->Tgate));
      rows.equal(R(t1->Tgate), R(t2->Tgate));
    }
    return;
  }
  if (!x) {
    _Dtile *g1 = t1->Tgate, *g2 = t2->Tgate;
    rows.sum(T(g1), B(g2), A, A);
    rows.sum(T(g1), B(g2), B(g1), T(g2));
    if (g1 && g2 && g1->y1 < g2->y1) rows.diff(B(g2), T(g1), 'G');
    else rows.diff(B(g1), T(g2), 'G');
  } else {
    for (auto pick : {&_Dtransistor::Pgate, &_Dtransistor::Tdrain, &_Dtransistor::Tsource}) {
      rows.equal(L(t1->*pick), L(t2->*pick));
      rows.equal(R(t1->*pick), R(t2->*pick));
    }
  }
}

void referenceRows(const _sym_constraint_list* e, bool x, const Rows& rows) {
  _Dtransistor* d = e->Tran_res;
  if (!d) return;
  if (e->axis == 0 && x) {
    _Dtile* t = stacked(d) ? d->Tgate : d->Pgate;
    rows.sum(L(t), R(t), e->edge, e->edge);
  } else if (e->axis != 0 && !x) {
    _Dtile* t = bottomsDiffer(d) ? d->Pgate : d->Tgate;
    rows.sum(B(t), T(t), e->edge, e->edge);
  }
}

}  // namespace

void SYM_AXIS_LIST::lie_on_sym(box_item* box) {
  if (!head) return;
  if (indexedAxes_ != nbr_axes) {
    byCoordinate_.clear();
    for (SYM_AXIS* a = head; a; a = a->next)
      if (a->one_axis->orien == 0) byCoordinate_[a->one_axis->axis].push_back(a->one_axis);
    indexedAxes_ = nbr_axes;
  }
  auto it = byCoordinate_.find((box->x1 + box->x2) / 2);
  if (it == byCoordinate_.end()) return;
  for (SYM_LIST* axis : it->second)
    axis->add(new SYM_EDGE_ITEM(box->right_edge, box->left_edge, nullptr, nullptr, 0, nullptr, nullptr));
}

void SYM_AXIS_LIST::sym_const_gen(_rhs_list** rhs) {
  const bool x = X_direction != 0;
  const Rows rows{x, rhs};
  int k = 0;
  for (SYM_AXIS* a = head; a; a = a->next) {
    const int column = num_of_var + ++k;
    _edge* A = axisVariable(SY_AXIS_LAYER);
    SWsetVariable(1, column, A, 1);
    SWsetVariable(0, column, A, 1);
    NUM_of_VAR = column;
    if (x) axisRowsX(a->one_axis, A, rows);
    else axisRowsY(a->one_axis, rows);
  }
}

void user_defined_sym_constraint_generate(_adjacency_list**, _rhs_list** rhs, int direction) {
  if (direction == 1) makeAxisVariables();
  const bool x = direction == 1;
  const Rows rows{x, rhs};
  const SYliveTransistors live;
  for (_sym_constraint_list* e = final_sym_list; e; e = e->next) {
    // Pairs declared before the layout was loaded again name no transistor now.
    if (!live.has(e->Trans1) || !live.has(e->Trans2)) continue;
    if (e->Tran_res && !live.has(e->Tran_res)) e->Tran_res = nullptr;
    if (e->axis == 0) verticalPairRows(e, x, rows);
    else horizontalPairRows(e, x, rows);
    referenceRows(e, x, rows);
  }
}

namespace {
// The tiles' variables by tile and side, and the y variables by level, in
// column order; rebuilt when the stores were emptied or rescanned.
struct SideIndex {
  unsigned generation = ~0u;
  int columns = -1;
  std::unordered_map<const _Dtile*, std::array<_edge*, 4>> sides;
  std::unordered_map<long, std::vector<_edge*>> levels;
};
SideIndex sideIndex;

const SideIndex& indexed() {
  SideIndex& ix = sideIndex;
  if (ix.generation == SWstoreGeneration() && ix.columns == num_of_var) return ix;
  ix.generation = SWstoreGeneration();
  ix.columns = num_of_var;
  ix.sides.clear();
  ix.levels.clear();
  for (int store = 0; store < 2; ++store) {
    _adjacency_list** eq = store == 0 ? equat_bucket : equat_bucket_y;
    if (!eq) continue;
    for (int k = 0; k < num_of_var && k < SWcolumns(store == 0); ++k) {
      _edge* e = eq[k]->the_edge;
      if (!e) continue;
      // sides 1 left, 2 right, 3 top, 4 bottom
      const int side = store == 0 ? (e->upward ? 1 : 2) : (e->upward ? 4 : 3);
      if (e->mother_tile) {
        auto& slot = ix.sides[e->mother_tile][side - 1];
        if (!slot) slot = e;
      }
      if (store == 1 && e->p1) ix.levels[e->p1->x].push_back(e);
    }
  }
  return ix;
}
}  // namespace

_edge* findedge(_Dtile* tile, int side) {
  if (tile && side >= 1 && side <= 4) {
    const SideIndex& ix = indexed();
    auto it = ix.sides.find(tile);
    if (it != ix.sides.end() && it->second[side - 1]) return it->second[side - 1];
  }
  printf(" **** function edge_find_from_tile can't find edge for tile %p\n", static_cast<void*>(tile));
  return nullptr;
}

_edge* lookup_equa(_adjacency_list** eq, _edge* e, long loc, int layer) {
  auto fits = [&](const _edge* c) {
    if (!c || !c->p1 || c->p1->x != e->p1->x || c->layer_num != layer) return false;
    return layer != 0 ? c->p1->y <= loc && loc <= c->p2->y : c->p1->y == loc;
  };
  if (e && e->p1 && eq == equat_bucket_y) {
    const SideIndex& ix = indexed();
    auto it = ix.levels.find(e->p1->x);
    if (it != ix.levels.end())
      for (_edge* c : it->second)
        if (fits(c)) return c;
  } else if (e && e->p1 && eq) {
    for (int k = 0; k < num_of_var; ++k)
      if (fits(eq[k]->the_edge)) return eq[k]->the_edge;
  }
  printf("******************\n");
  printf("******************\n");
  printf("Can't find the equa for sym_edge %p loc %i layer %i\n", static_cast<void*>(e), static_cast<int>(loc), layer);
  printf("******************\n");
  return nullptr;
}
