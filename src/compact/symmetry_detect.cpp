// Pairing gate sets into mirrored pairs and grouping the pairs by axis.
#include "compact/symmetry_detect.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <deque>
#include <vector>

#include "compact/sweep.h"
#include "compact/symmetry_lists.h"
#include "compact/symmetry_sets.h"
#include "compact/symmetry_tree.h"
#include "extract/transistor.h"
#include "techc/tech.h"

namespace {

// Variables and rectangles of the interactive checks, apart from the
// resizer's stores.
std::deque<_edge> looseEdges;
std::deque<_point> loosePoints;
std::deque<box_item> looseBoxes;

_edge* looseEdge(_Dtile* tile, long level, long from, long to, unsigned char upward) {
  loosePoints.push_back(_point{level, from});
  _point* a = &loosePoints.back();
  loosePoints.push_back(_point{level, to});
  _point* b = &loosePoints.back();
  looseEdges.push_back(_edge{});
  _edge* e = &looseEdges.back();
  e->p1 = a;
  e->p2 = b;
  e->upward = upward;
  e->mother_tile = tile;
  return e;
}

// The coordinate of a side (x of an x variable, y of a transposed y variable).
long at(const _edge* e) { return e->p1->x; }

_Dtile* tileOf(const box_item* b) { return b->left_edge ? b->left_edge->mother_tile : nullptr; }
int layerOf(const box_item* b) { return b->left_edge ? b->left_edge->layer_num : -1; }

// Rows give vertical axes; columns horizontal ones.
struct Pairing {
  bool vertical;
  bool general;  // the interactive pairing also compares drains and sources
};

long along(const box_item* b, const Pairing& p) { return p.vertical ? b->y1 : b->x1; }

void sortRun(std::vector<box_item*>& run, const Pairing& p) {
  std::stable_sort(run.begin(), run.end(), [&p](const box_item* a, const box_item* b) {
    if (along(a, p) != along(b, p)) return along(a, p) < along(b, p);
    if (a->y2 - a->y1 != b->y2 - b->y1) return a->y2 - a->y1 < b->y2 - b->y1;
    return a->x2 - a->x1 < b->x2 - b->x1;
  });
}

using Rect = std::array<long, 4>;

// The drain and source rectangles of `t`, mirrored by the doubled axis `twice`
// when `mirror` is set.
std::vector<Rect> diffusions(const _Dtransistor* t, bool vertical, long twice, bool mirror) {
  std::vector<Rect> out;
  for (_Dtile* d : {t->Tdrain, t->Tsource}) {
    if (!d) continue;
    Rect r{d->x1, d->y1, TileRight(d), TileTop(d)};
    if (mirror && vertical) r = {twice - r[2], r[1], twice - r[0], r[3]};
    if (mirror && !vertical) r = {r[0], twice - r[3], r[2], twice - r[1]};
    out.push_back(r);
  }
  std::sort(out.begin(), out.end());
  return out;
}

void checkDiffusions(const _Dtransistor* low, const _Dtransistor* high, const SYM_EDGE_ITEM& item,
                     bool vertical) {
  if (!low || !high) return;
  const long twice = at(item.right_edge) + at(item.left_edge);
  if (diffusions(low, vertical, twice, true) == diffusions(high, vertical, 0, false)) return;
  printf("\nThe gates of the transistors are symmetrical...\n");
  printf("Warning : But the drain and sources are not.\n");
}

// Compares two runs position by position; appends the pairs to `list`.
bool compareRuns(std::vector<box_item*>& low, std::vector<box_item*>& high, SYM_LIST* list,
                 const Pairing& p) {
  sortRun(low, p);
  sortRun(high, p);
  for (size_t i = 0; i < low.size(); ++i) {
    box_item* L = low[i];
    box_item* R = high[i];
    if (L->x2 - L->x1 != R->x2 - R->x1 || L->y2 - L->y1 != R->y2 - R->y1 || layerOf(L) != layerOf(R))
      return false;
    _Dtransistor* rt = Tile(tileOf(R)).findTransistor();
    if (!rt) printf("\nset_match: Cannot find transistor for right_edge.  Please check.\n\n\n");
    _Dtransistor* lt = Tile(tileOf(L)).findTransistor();
    if (!lt) printf("\nset_match: Cannot find transistor for left_edge.  Please check.\n\n\n");
    auto* item = p.vertical
                     ? new SYM_EDGE_ITEM(R->left_edge, L->right_edge, R->bottom_edge, L->bottom_edge, 1, rt, lt)
                     : new SYM_EDGE_ITEM(R->bottom_edge, L->top_edge, R->left_edge, L->left_edge, 1, rt, lt);
    list->add(item);
    if (p.general) checkDiffusions(lt, rt, *item, p.vertical);
  }
  return true;
}

void keyed(const set* s, RBTree& tree, bool high, const Pairing& p) {
  if (p.vertical) {
    s->set2heap(tree, high);
    return;
  }
  box_Array boxes = s->traversal();
  for (box_item* b : boxes.array) tree.Insert(b, static_cast<int>(high ? b->y2 : b->y1));
}

// The pairs of L (left or lower) and R, run by run of equal L keys.
SYM_LIST* matchSets(set* L, set* R, const Pairing& p) {
  if (L->nbr_elements != R->nbr_elements || L->nbr_elements <= 0) return nullptr;
  RBTree low, high;
  keyed(L, low, false, p);
  keyed(R, high, true, p);
  auto* list = new SYM_LIST;
  BinaryItem* li = low.minimum();
  BinaryItem* ri = high.maximum();
  bool ok = true;
  while (li && ok) {
    std::vector<box_item*> lowRun, highRun;
    const int key = li->val;
    for (; li && li->val == key; li = low.successor(li)) lowRun.push_back(li->box);
    for (size_t k = 0; k < lowRun.size() && ri; ++k, ri = high.predecessor(ri)) highRun.push_back(ri->box);
    ok = highRun.size() == lowRun.size() && compareRuns(lowRun, highRun, list, p);
  }
  if (!ok || ri || !list->head) {
    delete list;
    return nullptr;
  }
  list->axis = (at(list->head->right_edge) + at(list->head->left_edge)) / 2;
  list->orien = p.vertical ? 0 : 1;
  return list;
}

// Pairs every set of the row with every other, leftmost first, partners
// from the far end inwards.
SYM_AXIS_LIST* axesOfRow(buffer& row, const Pairing& p) {
  auto* axes = new SYM_AXIS_LIST;
  row.sort(p.vertical ? 0 : 1);
  while (row.elem_in_buffer >= 2) {
    buffer_item* L = row.head;
    for (buffer_item* R = row.end(); R && R != L; R = R->prev) {
      SYM_LIST* list = matchSets(L->the_set, R->the_set, p);
      if (!list) continue;
      (p.vertical ? x_axis : y_axis) = list->axis;
      IS_sym = 1;
      axes->merge(list);
    }
    row.remove(L);
  }
  return axes;
}

// Splits the sets into runs of equal y_low (rows) or x_low (columns).
void pairRuns(set_list& sets, SYM_AXIS_LIST* axes, const Pairing& p) {
  sets.sort(p.vertical ? 1 : 0);
  for (set* s = sets.head; s;) {
    buffer run;
    const long key = p.vertical ? s->y_low : s->x_low;
    for (; s && (p.vertical ? s->y_low : s->x_low) == key; s = s->next_set) run.add(s);
    if (run.elem_in_buffer < 2) continue;
    SYM_AXIS_LIST* found = axesOfRow(run, p);
    axes->merge_all(found);
    delete found;
  }
}

box_item* looseGateBox(const _Dtransistor* t) {
  _Dtile* g = t->Tgate;
  const long left = g->x1, bottom = g->y1, right = TileRight(g), top = TileTop(g);
  Tile tile(g);
  _edge* l = tile.get_upward_edge();
  _edge* r = tile.get_downward_edge();
  looseBoxes.emplace_back(r, l, left, bottom, left + t->width, bottom + t->length);
  box_item* b = &looseBoxes.back();
  b->bottom_edge = looseEdge(g, bottom, left, right, 1);
  b->top_edge = looseEdge(g, top, left, right, 0);
  return b;
}

}  // namespace

_Dtransistor* Tile::findTransistor() const {
  if (!_tile) return nullptr;
  _Dtransistor* t = DExTileTransistor(_tile);
  if (t && t->number >= 0 && (t->Tgate == _tile || t->Tdrain == _tile || t->Tsource == _tile)) return t;
  if (!Transistors) return nullptr;
  for (int e = 0; e < DelementNum; ++e)
    for (_Dtransistor* c = Transistors[e]; c; c = c->next)
      if (c->Tgate == _tile || c->Tdrain == _tile || c->Tsource == _tile) return c;
  return nullptr;
}

_edge* Tile::get_upward_edge() const { return looseEdge(_tile, _tile->x1, _tile->y1, TileTop(_tile), 1); }

_edge* Tile::get_downward_edge() const {
  return looseEdge(_tile, TileRight(_tile), _tile->y1, TileTop(_tile), 0);
}

long Transistor::get_gate_x1() const { return _trans->Tgate->x1; }
long Transistor::get_gate_x2() const { return TileRight(_trans->Tgate); }
long Transistor::get_gate_y1() const { return _trans->Tgate->y1; }
long Transistor::get_gate_y2() const { return TileTop(_trans->Tgate); }
_edge* Transistor::get_upward_edge() const { return Tile(_trans->Tgate).get_upward_edge(); }
_edge* Transistor::get_downward_edge() const { return Tile(_trans->Tgate).get_downward_edge(); }

void Transistor::addInSets(set_list& sets) const {
  if (!_trans || !_trans->Tgate) return;
  sets.add_set(new set(looseGateBox(_trans)));
}

int SYpairAxes(_Dtransistor* first, _Dtransistor* second, SYM_AXIS_LIST* axes) {
  set_list pair;
  Transistor(first).addInSets(pair);
  Transistor(second).addInSets(pair);
  const int found = pair.symmetry(axes);
  pair.clean();
  return found;
}

bool Transistor::sym_check(Transistor* other) {
  // The axes of an earlier check point into the records freed here.
  delete all_sym_axes;
  all_sym_axes = new SYM_AXIS_LIST;
  SYfreeLooseRecords();
  return SYpairAxes(_trans, other ? other->_trans : nullptr, all_sym_axes) > 0;
}

void SYfreeLooseRecords() {
  looseBoxes.clear();
  looseEdges.clear();
  loosePoints.clear();
}

SYM_LIST* match_set_for_resize(set* L, set* R) { return matchSets(L, R, Pairing{true, false}); }

SYM_AXIS_LIST* symmetry_axis_for_resize(buffer& row) { return axesOfRow(row, Pairing{true, false}); }

void set_list::symmetry_for_resize(SYM_AXIS_LIST* axes) { pairRuns(*this, axes, Pairing{true, false}); }

int set_list::symmetry(SYM_AXIS_LIST* axes) {
  if (nbr_of_sets == 0) {
    printf("I can not find Transistor(s) exists in the bound box...\n");
    printf("Reselect please.\n");
    return 0;
  }
  pairRuns(*this, axes, Pairing{true, true});
  pairRuns(*this, axes, Pairing{false, true});
  if (axes->nbr_axes > 1) {
    axes->cleanforjustsym();
    x_axis = y_axis = SY_NO_AXIS;
    for (SYM_AXIS* a = axes->head; a; a = a->next) (a->one_axis->orien ? y_axis : x_axis) = a->one_axis->axis;
  }
  return axes->nbr_axes;
}

int symmetry_detection_for_resizing() {
  if (!all_sym_axes) all_sym_axes = new SYM_AXIS_LIST;
  Sets.symmetry_for_resize(all_sym_axes);
  if (!all_sym_axes->head) return 0;
  THE_SYM_AXIS = all_sym_axes->head->one_axis->axis;
  printf("The symmetry axis is : %d\n", static_cast<int>(THE_SYM_AXIS));
  return 1;
}
