// Wirelength minimisation: arc classes, units along rigid arcs, groups, and
// the work stack of units ordered by position, processed left to right.
#include "squeeze/sq_wirelength.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <deque>
#include <initializer_list>
#include <set>
#include <unordered_map>
#include <vector>

#include "squeeze/sq_hooks.h"

SQWLM_UNIT_item* SQwlm_unit = nullptr;
SQWLM_UNIT_item* SQwlm_unit_tos = nullptr;
int SQwlm_unit_count = 0;
SQWLM_GROUP_item* SQwlm_block_group = nullptr;
SQWLM_GROUP_item* SQwlm_nonblock_group = nullptr;
int SQwlm_nonblock_group_count = 0;
SQwlmFigures SQlastWlm;
SQwlmFigures SQwlmOfDirection[3];
double SQwlmSeconds = 0;

namespace {

constexpr long kBlockWeight = 99;

// Storage of one run; the globals above point into it.
std::vector<SQWLM_UNIT_item> units;
std::vector<SQWLM_LINE_LIST_item> lineItems;
std::deque<SQWLM_UNIT_LIST_item> unitItems;
std::vector<SQWLM_GROUP_item> groups;
std::set<size_t> freeSlots;  // indices of the slots with valid 0
SQWLM_GROUP_item blockGroup;

bool isLeft(const SQLINE_item* l) { return l == l->cell->left; }

// Arcs in force by origin, terminus and weight: the look-up behind "an arc
// back with the opposite weight" (lines such as rails carry thousands).
struct ArcKey {
  const SQLINE_item *ori, *ter;
  long weight;
  bool operator==(const ArcKey&) const = default;
};
// Lines lie at regular addresses, so the parts are mixed, not just summed.
struct ArcKeyHash {
  static uint64_t mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return x;
  }
  size_t operator()(const ArcKey& k) const {
    const uint64_t a = reinterpret_cast<uintptr_t>(k.ori), b = reinterpret_cast<uintptr_t>(k.ter);
    return static_cast<size_t>(mix(a ^ mix(b ^ mix(static_cast<uint64_t>(k.weight)))));
  }
};
std::unordered_map<ArcKey, int, ArcKeyHash> arcsInForce;  // how many such arcs

short classify(const SQARC_item* a) {
  if (a->occupied != 1) return SQWLM_IDLE;
  if (a->sym && !a->ori && !a->ter) return SQWLM_SYMMETRY;
  if (!a->ori || !a->ter) return SQWLM_NONE;
  // A loop of weight 0 finds itself: it needs a second copy.
  const auto back = arcsInForce.find({a->ter, a->ori, -a->weight});
  if (back != arcsInForce.end() && back->second > (a->ori == a->ter && a->weight == 0 ? 1 : 0)) return SQWLM_RIGID;
  const bool fromLeft = isLeft(a->ori), toLeft = isLeft(a->ter);
  const long w = a->weight;
  if (a->ori->cell == a->ter->cell) {
    if (fromLeft && !toLeft && w >= 0) return SQWLM_CELL;
    if (!fromLeft && toLeft && w < 0) return SQWLM_CELL_BACK;
    return SQWLM_NONE;
  }
  if (a->ori->cell->layernumber == a->ter->cell->layernumber) {
    if (fromLeft && !toLeft && w >= 0) return SQWLM_LAYER_LR;
    if (fromLeft == toLeft && w >= 0) return SQWLM_LAYER_SAME;
    if (!fromLeft && toLeft && w >= 0) return SQWLM_SPACING;
    return SQWLM_NONE;
  }
  if (fromLeft && !toLeft && w >= 0) return SQWLM_OTHER_LR;
  if (fromLeft == toLeft) return SQWLM_OTHER_SAME;
  if (!fromLeft && toLeft && w >= 0) return SQWLM_SPACING;
  return SQWLM_NONE;
}

void classifyAll(SQARC_item* arcs) {
  arcsInForce.clear();
  for (const SQARC_item* a = arcs; a; a = a->list_next)
    if (a->occupied == 1 && a->ori && a->ter) ++arcsInForce[{a->ori, a->ter, a->weight}];
  for (SQARC_item* a = arcs; a; a = a->list_next) {
    a->wlm_type = classify(a);
    if (a->wlm_type != SQWLM_NONE) continue;
    ++SQlastWlm.unclassified;
    printf("***********\n");
    printf("ERROR\n");
    printf("arc %i from line %i to line %i weight %li has no type\n", a->rank, a->ori ? a->ori->number : 0,
           a->ter ? a->ter->number : 0, a->weight);
    printf("***********\n");
  }
  arcsInForce.clear();
}

// Length change of a step right: the arc's share at its origin (leaving)
// or its terminus (entering).
long gradient(short type, bool leaving) {
  long g = 0;
  switch (type) {
    case SQWLM_CELL: g = 10; break;
    case SQWLM_OTHER_SAME:
    case SQWLM_OTHER_LR:
    case SQWLM_LAYER_LR: g = 1; break;
    case SQWLM_CELL_BACK: g = -10; break;
    default: return 0;
  }
  return leaving ? -g : g;
}

template <class Visit>
void forEachLine(SQCELL_item* cells, int ncells, Visit visit) {
  for (int k = 0; k < ncells + SQsymcell_size; ++k)
    for (SQLINE_item* l : {cells[k].left, cells[k].right})
      if (l) visit(l);
}

template <class Visit>
void forEachUnitLine(SQWLM_UNIT_item* u, Visit visit) {
  for (SQWLM_LINE_LIST_item* i = u->line_list; i; i = i->line_list) visit(i->line);
}

template <class Visit>
void forEachGroupUnit(SQWLM_GROUP_item* g, Visit visit) {
  for (SQWLM_UNIT_LIST_item* i = g->unit_list; i; i = i->unit_list) visit(i->unit);
}

SQWLM_UNIT_LIST_item* newUnitItem(SQWLM_UNIT_item* u) {
  unitItems.push_back({u, nullptr});
  return &unitItems.back();
}

// ---- units ------------------------------------------------------------------------

void removeUnit(SQWLM_UNIT_item* u) {
  if (u->prev) u->prev->next = u->next;
  else SQwlm_unit = u->next;
  if (u->next) u->next->prev = u->prev;
  u->next = u->prev = nullptr;
  --SQwlm_unit_count;
}

// Pulls the single-line units reached by rigid arcs from `line` into `into`.
void pullRigid(SQWLM_UNIT_item* into, SQLINE_item* line) {
  std::vector<SQLINE_item*> todo{line};
  while (!todo.empty()) {
    SQLINE_item* from = todo.back();
    todo.pop_back();
    for (SQARC_item* a = from->ori_next; a; a = a->ori_next) {
      if (a->wlm_type != SQWLM_RIGID) continue;
      SQWLM_UNIT_item* other = a->ter->wlm_unit;
      if (!other || other == into || other->line_list->line_list) continue;
      SQWLM_LINE_LIST_item* item = other->line_list;
      other->line_list = nullptr;
      item->line_list = into->line_list;
      into->line_list = item;
      a->ter->wlm_unit = into;
      removeUnit(other);
      todo.push_back(a->ter);
    }
  }
}

void buildUnits(SQCELL_item* cells, int ncells) {
  int lines = 0;
  forEachLine(cells, ncells, [&](SQLINE_item* l) {
    l->wlm_loc = l->min_loc;
    ++lines;
  });
  units.assign(static_cast<size_t>(lines), SQWLM_UNIT_item{});
  lineItems.assign(static_cast<size_t>(lines), SQWLM_LINE_LIST_item{});
  SQwlm_unit = nullptr;
  SQwlm_unit_count = 0;
  SQWLM_UNIT_item* last = nullptr;
  int k = 0;
  forEachLine(cells, ncells, [&](SQLINE_item* l) {
    SQWLM_UNIT_item* u = &units[static_cast<size_t>(k)];
    lineItems[static_cast<size_t>(k)].line = l;
    u->line_list = &lineItems[static_cast<size_t>(k)];
    l->wlm_unit = u;
    u->prev = last;
    if (last) last->next = u;
    else SQwlm_unit = u;
    last = u;
    ++SQwlm_unit_count;
    ++k;
  });
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next)
    if (u->line_list && !u->line_list->line_list) pullRigid(u, u->line_list->line);

  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) {
    long w = 0;
    forEachUnitLine(u, [&](SQLINE_item* l) {
      for (const SQARC_item* a = l->ori_next; a; a = a->ori_next) w += gradient(a->wlm_type, true);
      for (const SQARC_item* a = l->ter_next; a; a = a->ter_next) w += gradient(a->wlm_type, false);
    });
    u->weight = u->orig_weight = u->accum_weight = w;
    u->right_most = u->left_most = u->line_list;
    for (SQWLM_LINE_LIST_item* i = u->line_list; i; i = i->line_list) {
      if (i->line->wlm_loc >= u->right_most->line->wlm_loc) u->right_most = i;
      if (i->line->wlm_loc <= u->left_most->line->wlm_loc) u->left_most = i;
    }
  }
}

long position(const SQWLM_UNIT_item* u) { return u->right_most->line->wlm_loc; }

// Ascending order of the unit list by position; equal positions keep their
// order (the result of a stable exchange sort, without its quadratic cost).
void sortUnits() {
  std::vector<SQWLM_UNIT_item*> order;
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) order.push_back(u);
  std::stable_sort(order.begin(), order.end(),
                   [](const SQWLM_UNIT_item* a, const SQWLM_UNIT_item* b) { return position(a) < position(b); });
  SQwlm_unit = order.empty() ? nullptr : order.front();
  for (size_t i = 0; i < order.size(); ++i) {
    order[i]->prev = i ? order[i - 1] : nullptr;
    order[i]->next = i + 1 < order.size() ? order[i + 1] : nullptr;
    order[i]->stack = order[i]->next;
    order[i]->on_stack = 1;
  }
  SQwlm_unit_tos = SQwlm_unit;
}

// ---- groups -----------------------------------------------------------------------

void joinBlock(SQWLM_UNIT_item* u) {
  SQWLM_UNIT_LIST_item* item = newUnitItem(u);
  item->unit_list = blockGroup.unit_list;
  blockGroup.unit_list = item;
  u->group = &blockGroup;
  if (!blockGroup.root || position(u) < blockGroup.root->unit->left_most->line->wlm_loc) blockGroup.root = item;
}

// The first slot not in use (there are as many slots as units).
SQWLM_GROUP_item* freeSlot() {
  const size_t k = *freeSlots.begin();
  freeSlots.erase(freeSlots.begin());
  return &groups[k];
}

void ownGroup(SQWLM_UNIT_item* u) {
  SQWLM_GROUP_item* g = freeSlot();
  SQWLM_UNIT_LIST_item* item = newUnitItem(u);
  g->valid = 1;
  g->weight = u->weight;
  g->root = g->unit_list = item;
  u->group = g;
}

void buildGroups() {
  groups.assign(static_cast<size_t>(SQwlm_unit_count), SQWLM_GROUP_item{});
  freeSlots.clear();
  for (size_t k = 0; k < groups.size(); ++k) freeSlots.insert(k);
  SQwlm_nonblock_group = groups.data();
  blockGroup = SQWLM_GROUP_item{kBlockWeight, 1, nullptr, nullptr};
  SQwlm_block_group = &blockGroup;
  SQwlm_nonblock_group_count = 0;
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) {
    const SQLINE_item* first = u->line_list->line;
    if (first->min_loc == first->max_loc) {
      joinBlock(u);
    } else {
      ownGroup(u);
      ++SQwlm_nonblock_group_count;
    }
  }
}

// Back on the work stack, which stays ordered by position.
void pushBack(SQWLM_UNIT_item* u) {
  if (!SQwlm_unit_tos) {
    u->stack = nullptr;
    u->on_stack = 1;
    SQwlm_unit_tos = u;
    return;
  }
  if (u == SQwlm_unit_tos || u->on_stack) return;
  if (position(u) < position(SQwlm_unit_tos)) {
    u->stack = SQwlm_unit_tos;
    SQwlm_unit_tos = u;
    u->on_stack = 1;
    return;
  }
  SQWLM_UNIT_item* at = SQwlm_unit_tos;
  while (at->stack && position(at->stack) <= position(u)) at = at->stack;
  u->stack = at->stack;
  at->stack = u;
  u->on_stack = 1;
}

SQWLM_UNIT_item* pop() {
  SQWLM_UNIT_item* u = SQwlm_unit_tos;
  SQwlm_unit_tos = u->stack;
  u->stack = nullptr;
  u->on_stack = 0;
  return u;
}

void empty(SQWLM_GROUP_item* g) {
  g->weight = 0;
  g->valid = 0;
  g->root = g->unit_list = nullptr;
  if (g != &blockGroup) freeSlots.insert(static_cast<size_t>(g - groups.data()));
}

// The leaving arc of g with the smallest slack into another group; among
// equal slacks a later one replaces the choice unless it leads into the
// block group.
SQARC_item* bestArc(SQWLM_GROUP_item* g, long* slack) {
  SQARC_item* best = nullptr;
  forEachGroupUnit(g, [&](SQWLM_UNIT_item* u) {
    forEachUnitLine(u, [&](SQLINE_item* l) {
      for (SQARC_item* a = l->ori_next; a; a = a->ori_next) {
        const short t = a->wlm_type;
        if (t == SQWLM_IDLE || t == SQWLM_RIGID || t == SQWLM_NONE) continue;
        if (a->ter->wlm_unit->group == g) continue;
        const long s = a->ter->wlm_loc - a->ori->wlm_loc - a->weight;
        if (!best || s < *slack || (s == *slack && best->ter->wlm_unit->group != &blockGroup)) {
          best = a;
          *slack = s;
        }
      }
    });
  });
  return best;
}

void moveGroup(SQWLM_GROUP_item* g, long by) {
  forEachGroupUnit(g, [&](SQWLM_UNIT_item* u) { forEachUnitLine(u, [&](SQLINE_item* l) { l->wlm_loc += by; }); });
}

// g has reached a unit of another moving group h: g moves with h from now
// on (its units listed first).
void joinMoving(SQWLM_GROUP_item* g, SQWLM_GROUP_item* h, SQWLM_UNIT_item* a, SQWLM_UNIT_item* t) {
  t->accum_weight += a->accum_weight;
  SQWLM_UNIT_LIST_item* tail = nullptr;
  forEachGroupUnit(g, [&](SQWLM_UNIT_item* u) {
    u->group = h;
    h->weight += u->weight;
  });
  for (tail = g->unit_list; tail && tail->unit_list; tail = tail->unit_list) {
  }
  if (tail) {
    tail->unit_list = h->unit_list;
    h->unit_list = g->unit_list;
  }
  empty(g);
  pushBack(h->root->unit);
}

// g has reached the frozen units: the units of g that push against a
// through tight arcs freeze too; the others go on, each in a group of its own.
void freezeAgainst(SQWLM_GROUP_item* g, SQWLM_UNIT_item* a) {
  std::vector<SQWLM_UNIT_item*> todo{a};
  a->merge = 1;
  while (!todo.empty()) {
    SQWLM_UNIT_item* m = todo.back();
    todo.pop_back();
    forEachUnitLine(m, [&](SQLINE_item* l) {
      for (SQARC_item* arc = l->ter_next; arc; arc = arc->ter_next) {
        if (arc->ter->wlm_loc - arc->ori->wlm_loc != arc->weight) continue;
        SQWLM_UNIT_item* o = arc->ori->wlm_unit;
        if (o->group != g || o->merge) continue;
        o->merge = 1;
        todo.push_back(o);
      }
    });
  }
  SQWLM_UNIT_LIST_item* list = g->unit_list;
  empty(g);
  for (SQWLM_UNIT_LIST_item* i = list; i; i = i->unit_list) {
    SQWLM_UNIT_item* u = i->unit;
    if (u->merge) {
      u->merge = 0;
      joinBlock(u);
    } else {
      ownGroup(u);
      pushBack(u);
    }
  }
}

void freeAll(SQCELL_item* cells, int ncells) {
  forEachLine(cells, ncells, [](SQLINE_item* l) { l->wlm_unit = nullptr; });
  units.clear();
  lineItems.clear();
  unitItems.clear();
  groups.clear();
  freeSlots.clear();
  SQwlm_unit = SQwlm_unit_tos = nullptr;
  SQwlm_unit_count = 0;
  SQwlm_block_group = SQwlm_nonblock_group = nullptr;
  SQwlm_nonblock_group_count = 0;
}

// The moved positions must keep every arc and the width; otherwise the
// minimum positions are used.
bool positionsHold(SQCELL_item* cells, int ncells, SQARC_item* arcs) {
  for (const SQARC_item* a = arcs; a; a = a->list_next)
    if (a->occupied == 1 && a->ori && a->ter && a->ter->wlm_loc - a->ori->wlm_loc < a->weight) {
      printf("SQwirelength: arc %i from line %i to line %i weight %li broken (%li); minimum positions used\n",
             a->rank, a->ori->number, a->ter->number, a->weight, a->ter->wlm_loc - a->ori->wlm_loc);
      return false;
    }
  bool inside = true;
  forEachLine(cells, ncells, [&](SQLINE_item* l) {
    if (inside && (l->wlm_loc < l->min_loc || l->wlm_loc > l->max_loc)) {
      printf("SQwirelength: line %i at %li outside [%li, %li]; minimum positions used\n", l->number, l->wlm_loc,
             l->min_loc, l->max_loc);
      inside = false;
    }
  });
  return inside;
}

}  // namespace

namespace {

int minimize(SQCELL_item* cells, SQARC_item* arcs, int ncells) {
  classifyAll(arcs);
  buildUnits(cells, ncells);
  SQlastWlm.units = SQwlm_unit_count;
  if (SQwlm_unit_count < 2) {
    printf("ERROR: wlm_unit count is only %i (less than 2) -> sort is not possible\n", SQwlm_unit_count);
    fflush(stdout);
    exit(1);
  }
  sortUnits();
  buildGroups();

  const long budget = 20L * SQcell_size;
  for (long iteration = 0;; ++iteration) {
    SQlastWlm.iterations = static_cast<int>(iteration);
    if (!SQwlm_unit_tos) break;
    if (iteration > budget) {
      printf("******************\n");
      printf("Wirelength Minimization doesn't return from recursive call after %li times\n", iteration);
      printf("Will use the no_wlm (left) instead for %i direction\n", resize_direction);
      printf("******************\n");
      freeAll(cells, ncells);
      return 1;
    }
    SQWLM_UNIT_item* u = pop();
    SQWLM_GROUP_item* g = u->group;
    if (g == &blockGroup || g->weight >= 0) continue;
    long slack = 0;
    SQARC_item* arc = bestArc(g, &slack);
    if (!arc) {
      printf("ERROR SQWLM: why can't we find best arc from group with line");
      forEachGroupUnit(g, [](SQWLM_UNIT_item* m) { forEachUnitLine(m, [](SQLINE_item* l) { printf(" %i", l->number); }); });
      printf("\n");
      continue;
    }
    moveGroup(g, slack);
    if (slack) ++SQlastWlm.moves;
    SQWLM_UNIT_item* a = arc->ori->wlm_unit;
    SQWLM_UNIT_item* t = arc->ter->wlm_unit;
    SQWLM_GROUP_item* h = t->group;
    if (h != &blockGroup)
      joinMoving(g, h, a, t);
    else
      freezeAgainst(g, a);
  }
  const bool hold = positionsHold(cells, ncells, arcs);
  SQlastWlm.infeasible = !hold;
  freeAll(cells, ncells);
  if (!hold) return 1;
  printf("SQwirelength: WLM is done successfully in %i iterations.\n", SQlastWlm.iterations);
  return 4;
}

}  // namespace

int SQwirelengthminimization(SQCELL_item* cells, SQARC_item* arcs, int ncells, int /*narcs*/) {
  const auto start = std::chrono::steady_clock::now();
  SQlastWlm = SQwlmFigures();
  const int result = minimize(cells, arcs, ncells);
  SQlastWlm.minimumTotal = SQwirelengthTotal(arcs, &SQLINE_item::min_loc);
  SQlastWlm.placedTotal = SQwirelengthTotal(arcs, result == 4 ? &SQLINE_item::wlm_loc : &SQLINE_item::min_loc);
  SQlastWlm.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  SQwlmSeconds += SQlastWlm.seconds;
  if (resize_direction == LEFT_RIGHT || resize_direction == TOP_BOTTOM) SQwlmOfDirection[resize_direction] = SQlastWlm;
  return result;
}

long SQwirelengthTotal(SQARC_item* arcs, long SQLINE_item::*at) {
  long total = 0;
  for (const SQARC_item* a = arcs; a; a = a->list_next) {
    if (a->occupied != 1 || !a->ori || !a->ter) continue;
    const long length = a->ter->*at - a->ori->*at;
    switch (a->wlm_type) {
      case SQWLM_CELL: total += 10 * length; break;
      case SQWLM_CELL_BACK: total -= 10 * length; break;
      case SQWLM_OTHER_SAME:
      case SQWLM_OTHER_LR:
      case SQWLM_LAYER_LR: total += length; break;
      default: break;
    }
  }
  return total;
}

namespace {
// The graph back end's list of present stages learns of the minimisation here.
const bool wirelengthInstalled = (SQhooks.wirelengthMinimization = SQwirelengthminimization, true);
}  // namespace
