// Wirelength minimisation: arc classes, units along rigid arcs, groups, and
// the work stack of units ordered by position, processed left to right.
#include "squeeze/sq_wirelength.h"

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <queue>
#include <vector>

#include "squeeze/sq_hooks.h"
#include "squeeze/sq_leftist_heaps.h"

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
// Indices of the slots with valid 0, smallest on top.
std::priority_queue<size_t, std::vector<size_t>, std::greater<>> freeSlots;
SQWLM_GROUP_item blockGroup;

bool isLeft(const SQLINE_item* l) { return l == l->cell->left; }

// Arcs in force counted by origin, terminus and weight: the look-up behind
// "an arc back with the opposite weight" (lines such as rails carry
// thousands). One flat table, open addressing with linear probing.
class ArcCounts {
 public:
  void reset(size_t arcs) {
    size_t size = 16;
    while (size < arcs + arcs / 2) size *= 2;
    slots.assign(size, Slot{});
  }
  void add(const SQLINE_item* ori, const SQLINE_item* ter, long weight) {
    Slot& s = find(ori, ter, weight);
    s.ori = ori;
    s.ter = ter;
    s.weight = weight;
    ++s.count;
  }
  int count(const SQLINE_item* ori, const SQLINE_item* ter, long weight) { return find(ori, ter, weight).count; }
  void clear() { std::vector<Slot>().swap(slots); }

 private:
  struct Slot {
    const SQLINE_item *ori = nullptr, *ter = nullptr;
    long weight = 0;
    int count = 0;
  };
  // Lines lie at regular addresses, so the parts are mixed, not just summed.
  static uint64_t mix(uint64_t x) {
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return x;
  }
  Slot& find(const SQLINE_item* ori, const SQLINE_item* ter, long weight) {
    const uint64_t a = reinterpret_cast<uintptr_t>(ori), b = reinterpret_cast<uintptr_t>(ter);
    size_t k = static_cast<size_t>(mix(a ^ mix(b ^ mix(static_cast<uint64_t>(weight))))) & (slots.size() - 1);
    while (slots[k].count && !(slots[k].ori == ori && slots[k].ter == ter && slots[k].weight == weight))
      k = (k + 1) & (slots.size() - 1);
    return slots[k];
  }
  std::vector<Slot> slots;
};
ArcCounts arcsInForce;

short classify(const SQARC_item* a) {
  if (a->occupied != 1) return SQWLM_IDLE;
  if (a->sym && !a->ori && !a->ter) return SQWLM_SYMMETRY;
  if (!a->ori || !a->ter) return SQWLM_NONE;
  // A loop of weight 0 finds itself: it needs a second copy.
  if (arcsInForce.count(a->ter, a->ori, -a->weight) > (a->ori == a->ter && a->weight == 0 ? 1 : 0)) return SQWLM_RIGID;
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
  size_t inForce = 0;
  for (const SQARC_item* a = arcs; a; a = a->list_next) inForce += a->occupied == 1 && a->ori && a->ter;
  arcsInForce.reset(inForce);
  for (const SQARC_item* a = arcs; a; a = a->list_next)
    if (a->occupied == 1 && a->ori && a->ter) arcsInForce.add(a->ori, a->ter, a->weight);
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
    u->right_most = u->left_most = u->line_list;
    for (SQWLM_LINE_LIST_item* i = u->line_list; i; i = i->line_list) {
      if (i->line->wlm_loc >= u->right_most->line->wlm_loc) u->right_most = i;
      if (i->line->wlm_loc <= u->left_most->line->wlm_loc) u->left_most = i;
    }
  }
}

// ---- bookkeeping ------------------------------------------------------------------
// Moving a group would rewrite every line of it, and its search for the best
// arc would look at every arc leaving it. Instead each unit keeps its shift
// relative to an offset of its group (a move adds to the offset), and each
// group keeps the arcs leaving it in two heaps ordered by slack: those into
// the block group and those into other groups. A heap key stays a lower bound
// of its arc's slack: the group's own moves reach every key of its heaps at
// once, and a terminus group that moved away is noticed when its arc comes
// to the top. Merged groups take over the bookkeeping of the larger part.
// A unit's arcs are filed only when its group first looks for its best arc:
// most groups never do.

struct UnitBook {
  long shift = 0;   // moved so far, less the offset of its group
  long label = 0;   // rises along its group's unit list
  int arcsBegin = 0, arcsEnd = 0;    // its leaving arcs in `arcItems`
  int enterBegin = 0, enterEnd = 0;  // its entering ones in `enteringItems`
  bool filed = false;                // its leaving arcs are in its group's heaps
  int nextUnfiled = -1;
};
struct GroupBook {
  long offset = 0;  // moved since its units took their shifts
  long units = 0;
  long firstLabel = 0, lastLabel = 0;
  SQWLM_UNIT_LIST_item* tail = nullptr;
  int towardBlock = 0, towardMoving = 0;  // heap roots
  int firstUnfiled = -1, lastUnfiled = -1;  // units whose arcs wait to be filed
};

std::vector<UnitBook> unitBooks;
std::vector<GroupBook> groupBooks;
GroupBook blockBook;  // the block group never moves
// Every arc the search for the best arc may choose, unit by unit in the
// order the search meets them.
std::vector<SQARC_item*> arcItems;
std::vector<int> arcItemUnit;  // index of the unit each arc leaves
std::vector<int> enteringItems;  // the items by the unit they enter
SQleftistHeaps heaps;
// The work stack by position, then by the order of coming onto it.
std::map<std::pair<long, long>, SQWLM_UNIT_item*> stackIndex;
long stackArrivals = 0;

UnitBook& bookOf(const SQWLM_UNIT_item* u) { return unitBooks[static_cast<size_t>(u - units.data())]; }
GroupBook& bookOf(const SQWLM_GROUP_item* g) {
  return g == &blockGroup ? blockBook : groupBooks[static_cast<size_t>(g - groups.data())];
}

long shiftOf(const SQWLM_UNIT_item* u) { return bookOf(u).shift + (u->group ? bookOf(u->group).offset : 0); }
// During the run wlm_loc keeps the line's minimum position.
long at(const SQLINE_item* l) { return l->wlm_loc + shiftOf(l->wlm_unit); }
long position(const SQWLM_UNIT_item* u) { return at(u->right_most->line); }
long slackOf(const SQARC_item* a) { return at(a->ter) - at(a->ori) - a->weight; }

bool searched(short type) { return type != SQWLM_IDLE && type != SQWLM_RIGID && type != SQWLM_NONE; }

// Lists the arcs the search may choose, in its order, once the units stand,
// and weighs the units.
void listArcItems() {
  unitBooks.assign(units.size(), UnitBook{});
  arcItems.clear();
  arcItemUnit.clear();
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) {
    UnitBook& b = bookOf(u);
    b.arcsBegin = static_cast<int>(arcItems.size());
    forEachUnitLine(u, [&](SQLINE_item* l) {
      for (SQARC_item* a = l->ori_next; a; a = a->ori_next)
        if (searched(a->wlm_type)) {
          arcItems.push_back(a);
          arcItemUnit.push_back(static_cast<int>(u - units.data()));
        }
    });
    b.arcsEnd = static_cast<int>(arcItems.size());
  }
  // Unit weights (the arcs left out have no gradient).
  for (SQARC_item* a : arcItems) {
    a->ori->wlm_unit->weight += gradient(a->wlm_type, true);
    a->ter->wlm_unit->weight += gradient(a->wlm_type, false);
  }
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) u->orig_weight = u->accum_weight = u->weight;
  // Entering arcs by a count of them per unit.
  for (const SQARC_item* a : arcItems) ++bookOf(a->ter->wlm_unit).enterEnd;
  int end = 0;
  for (UnitBook& b : unitBooks) {
    b.enterBegin = end;
    end += b.enterEnd;
    b.enterEnd = b.enterBegin;
  }
  enteringItems.assign(arcItems.size(), 0);
  for (size_t k = 0; k < arcItems.size(); ++k)
    enteringItems[static_cast<size_t>(bookOf(arcItems[k]->ter->wlm_unit).enterEnd++)] = static_cast<int>(k);
}

template <class Visit>
void forEachEnteringItem(const SQWLM_UNIT_item* u, Visit visit) {
  for (int k = bookOf(u).enterBegin; k < bookOf(u).enterEnd; ++k) visit(enteringItems[static_cast<size_t>(k)]);
}

// The search meets the arcs of a group unit by unit along the unit list;
// among equal slacks the heap into the block group yields the first met, the
// other heap the last met.
bool metEarlier(int x, int y) {
  const long lx = unitBooks[static_cast<size_t>(arcItemUnit[static_cast<size_t>(x)])].label;
  const long ly = unitBooks[static_cast<size_t>(arcItemUnit[static_cast<size_t>(y)])].label;
  return lx != ly ? lx < ly : x < y;
}
bool metLater(int x, int y) { return metEarlier(y, x); }

void fileToward(int& root, bool block, int item, long slack) {
  const int n = heaps.make(slack, item);
  root = block ? heaps.meld(root, n, metEarlier) : heaps.meld(root, n, metLater);
}

// Files the arcs leaving u into the heaps of its group.
void fileLeavingArcs(SQWLM_UNIT_item* u) {
  GroupBook& g = bookOf(u->group);
  bookOf(u).filed = true;
  for (int k = bookOf(u).arcsBegin; k < bookOf(u).arcsEnd; ++k) {
    const SQARC_item* a = arcItems[static_cast<size_t>(k)];
    const SQWLM_GROUP_item* h = a->ter->wlm_unit->group;
    if (h == u->group) continue;
    if (h == &blockGroup) fileToward(g.towardBlock, true, k, slackOf(a));
    else fileToward(g.towardMoving, false, k, slackOf(a));
  }
}

// Brings the true smallest slack of the heap to its top: arcs that now end
// inside g or belong to the other heap leave it, stale keys are renewed.
void cleanTop(int& root, SQWLM_GROUP_item* g, bool block) {
  while (root) {
    const int item = heaps.top(root).item;
    const SQARC_item* a = arcItems[static_cast<size_t>(item)];
    const SQWLM_GROUP_item* h = a->ter->wlm_unit->group;
    const long slack = slackOf(a);
    if (h != g && (h == &blockGroup) == block && slack == heaps.top(root).key) return;
    const int n = block ? heaps.detach(root, metEarlier) : heaps.detach(root, metLater);
    if (h == g || (h == &blockGroup) != block) {
      heaps.recycle(n);
      continue;
    }
    heaps.rekey(n, slack);
    root = block ? heaps.meld(root, n, metEarlier) : heaps.meld(root, n, metLater);
  }
}

void releaseHeaps(GroupBook& g) {
  heaps.release(g.towardBlock);
  heaps.release(g.towardMoving);
  g.towardBlock = g.towardMoving = 0;
}

// ---- groups -----------------------------------------------------------------------
// A unit joins a group of its own or the block group with its shift whole.

void joinBlock(SQWLM_UNIT_item* u) {
  SQWLM_UNIT_LIST_item* item = newUnitItem(u);
  item->unit_list = blockGroup.unit_list;
  blockGroup.unit_list = item;
  u->group = &blockGroup;
  if (!blockGroup.root || position(u) < at(blockGroup.root->unit->left_most->line)) blockGroup.root = item;
}

// The first slot not in use (there are as many slots as units).
SQWLM_GROUP_item* freeSlot() {
  const size_t k = freeSlots.top();
  freeSlots.pop();
  return &groups[k];
}

void ownGroup(SQWLM_UNIT_item* u) {
  SQWLM_GROUP_item* g = freeSlot();
  SQWLM_UNIT_LIST_item* item = newUnitItem(u);
  g->valid = 1;
  g->weight = u->weight;
  g->root = g->unit_list = item;
  bookOf(u).label = 0;
  u->group = g;
  bookOf(g) = GroupBook{};
  bookOf(g).units = 1;
  bookOf(g).tail = item;
  // Its arcs are filed when the group first looks for its best arc.
  const int k = static_cast<int>(u - units.data());
  bookOf(u).filed = false;
  bookOf(u).nextUnfiled = -1;
  bookOf(g).firstUnfiled = bookOf(g).lastUnfiled = k;
}

void buildGroups() {
  groups.assign(static_cast<size_t>(SQwlm_unit_count), SQWLM_GROUP_item{});
  groupBooks.assign(groups.size(), GroupBook{});
  blockBook = GroupBook{};
  heaps.clear();
  freeSlots = {};
  for (size_t k = 0; k < groups.size(); ++k) freeSlots.push(k);
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

// ---- the work stack ----------------------------------------------------------------
// Only the units of the group just popped move, and none of them is on the
// stack then (a moving group has at most its root there), so the positions
// of the units on the stack stand still and the stack stays sorted: a unit
// put back goes behind every unit at its position or left of it.

void linkIntoStack(SQWLM_UNIT_item* u) {
  const auto it = stackIndex.emplace(std::pair{position(u), stackArrivals++}, u).first;
  const auto after = std::next(it);
  u->stack = after == stackIndex.end() ? nullptr : after->second;
  if (it == stackIndex.begin()) SQwlm_unit_tos = u;
  else std::prev(it)->second->stack = u;
  u->on_stack = 1;
}

// Ascending order of the unit list by position; equal positions keep their
// order (the result of a stable exchange sort, without its quadratic cost).
void sortUnits() {
  std::vector<SQWLM_UNIT_item*> order;
  for (SQWLM_UNIT_item* u = SQwlm_unit; u; u = u->next) order.push_back(u);
  std::stable_sort(order.begin(), order.end(),
                   [](const SQWLM_UNIT_item* a, const SQWLM_UNIT_item* b) { return position(a) < position(b); });
  SQwlm_unit = order.empty() ? nullptr : order.front();
  stackIndex.clear();
  stackArrivals = 0;
  SQwlm_unit_tos = nullptr;
  for (size_t i = 0; i < order.size(); ++i) {
    order[i]->prev = i ? order[i - 1] : nullptr;
    order[i]->next = i + 1 < order.size() ? order[i + 1] : nullptr;
  }
  for (SQWLM_UNIT_item* u : order) linkIntoStack(u);
}

void pushBack(SQWLM_UNIT_item* u) {
  if (!u->on_stack) linkIntoStack(u);
}

SQWLM_UNIT_item* pop() {
  SQWLM_UNIT_item* u = SQwlm_unit_tos;
  stackIndex.erase(stackIndex.begin());
  SQwlm_unit_tos = u->stack;
  u->stack = nullptr;
  u->on_stack = 0;
  return u;
}

// ---- the moves ---------------------------------------------------------------------

void empty(SQWLM_GROUP_item* g) {
  g->weight = 0;
  g->valid = 0;
  g->root = g->unit_list = nullptr;
  if (g != &blockGroup) {
    releaseHeaps(bookOf(g));
    bookOf(g) = GroupBook{};
    freeSlots.push(static_cast<size_t>(g - groups.data()));
  }
}

// The leaving arc of g with the smallest slack into another group; among
// equal slacks the first one met into the block group, or else the last one
// met (a later one replaces the choice unless it leads into the block group).
SQARC_item* bestArc(SQWLM_GROUP_item* g, long* slack) {
  GroupBook& b = bookOf(g);
  for (int k = b.firstUnfiled; k >= 0; k = unitBooks[static_cast<size_t>(k)].nextUnfiled)
    fileLeavingArcs(&units[static_cast<size_t>(k)]);
  b.firstUnfiled = b.lastUnfiled = -1;
  cleanTop(b.towardBlock, g, true);
  cleanTop(b.towardMoving, g, false);
  const int pick = b.towardBlock && (!b.towardMoving || heaps.top(b.towardBlock).key <= heaps.top(b.towardMoving).key)
                       ? b.towardBlock
                       : b.towardMoving;
  if (!pick) return nullptr;
  *slack = heaps.top(pick).key;
  return arcItems[static_cast<size_t>(heaps.top(pick).item)];
}

void moveGroup(SQWLM_GROUP_item* g, long by) {
  GroupBook& b = bookOf(g);
  b.offset += by;
  heaps.shift(b.towardBlock, -by);
  heaps.shift(b.towardMoving, -by);
  if (by >= 0) return;
  // Moved left (only from positions that broke an arc): the arcs from other
  // groups into g got shorter, and their keys must not stay above them.
  forEachGroupUnit(g, [&](SQWLM_UNIT_item* u) {
    forEachEnteringItem(u, [&](int item) {
      const SQARC_item* a = arcItems[static_cast<size_t>(item)];
      SQWLM_GROUP_item* h = a->ori->wlm_unit->group;
      if (h != g && h != &blockGroup && bookOf(a->ori->wlm_unit).filed)
        fileToward(bookOf(h).towardMoving, false, item, slackOf(a));
    });
  });
}

// g has reached a unit of another moving group h: g moves with h from now
// on (its units listed first). The smaller of the two takes the other's
// slot, offset and labels.
void joinMoving(SQWLM_GROUP_item* g, SQWLM_GROUP_item* h, SQWLM_UNIT_item* a, SQWLM_UNIT_item* t) {
  // The accumulation doubles along chains of merges: it stops at the limit.
  if (__builtin_add_overflow(t->accum_weight, a->accum_weight, &t->accum_weight))
    t->accum_weight = a->accum_weight < 0 ? LONG_MIN : LONG_MAX;
  GroupBook& gb = bookOf(g);
  GroupBook& hb = bookOf(h);
  const bool keepH = hb.units >= gb.units;
  SQWLM_GROUP_item* keep = keepH ? h : g;
  SQWLM_GROUP_item* gone = keepH ? g : h;
  GroupBook& kept = bookOf(keep);
  const GroupBook& left = bookOf(gone);
  long label = keepH ? hb.firstLabel - gb.units : gb.lastLabel + 1;
  forEachGroupUnit(gone, [&](SQWLM_UNIT_item* u) {
    bookOf(u).shift += left.offset - kept.offset;
    bookOf(u).label = label++;
    u->group = keep;
  });
  GroupBook merged = kept;
  merged.units = gb.units + hb.units;
  merged.firstLabel = keepH ? hb.firstLabel - gb.units : gb.firstLabel;
  merged.lastLabel = keepH ? hb.lastLabel : gb.lastLabel + hb.units;
  merged.tail = hb.tail;
  merged.firstUnfiled = gb.firstUnfiled >= 0 ? gb.firstUnfiled : hb.firstUnfiled;
  merged.lastUnfiled = hb.lastUnfiled >= 0 ? hb.lastUnfiled : gb.lastUnfiled;
  if (gb.lastUnfiled >= 0) unitBooks[static_cast<size_t>(gb.lastUnfiled)].nextUnfiled = hb.firstUnfiled;
  merged.towardBlock = heaps.meld(gb.towardBlock, hb.towardBlock, metEarlier);
  merged.towardMoving = heaps.meld(gb.towardMoving, hb.towardMoving, metLater);
  gb.tail->unit_list = h->unit_list;
  SQWLM_UNIT_LIST_item* list = g->unit_list;
  SQWLM_UNIT_LIST_item* root = h->root;
  const long weight = g->weight + h->weight;
  bookOf(gone).towardBlock = bookOf(gone).towardMoving = 0;  // melded above
  empty(gone);
  keep->unit_list = list;
  keep->root = root;
  keep->weight = weight;
  keep->valid = 1;
  kept = merged;
  pushBack(root->unit);
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
        if (at(arc->ter) - at(arc->ori) != arc->weight) continue;
        SQWLM_UNIT_item* o = arc->ori->wlm_unit;
        if (o->group != g || o->merge) continue;
        o->merge = 1;
        todo.push_back(o);
      }
    });
  }
  // Arcs from other moving groups into the units that freeze now lead into
  // the block group.
  forEachGroupUnit(g, [&](SQWLM_UNIT_item* u) {
    if (!u->merge) return;
    forEachEnteringItem(u, [&](int item) {
      const SQARC_item* arc = arcItems[static_cast<size_t>(item)];
      SQWLM_GROUP_item* h = arc->ori->wlm_unit->group;
      if (h != g && h != &blockGroup && bookOf(arc->ori->wlm_unit).filed)
        fileToward(bookOf(h).towardBlock, true, item, slackOf(arc));
    });
  });
  SQWLM_UNIT_LIST_item* list = g->unit_list;
  for (SQWLM_UNIT_LIST_item* i = list; i; i = i->unit_list) bookOf(i->unit).shift = shiftOf(i->unit);
  empty(g);  // its offset is in the shifts now
  for (SQWLM_UNIT_LIST_item* i = list; i; i = i->unit_list) {
    SQWLM_UNIT_item* u = i->unit;
    if (u->merge) {
      u->merge = 0;
      joinBlock(u);
    } else {
      ownGroup(u);
    }
  }
  for (SQWLM_UNIT_LIST_item* i = list; i; i = i->unit_list)
    if (i->unit->group != &blockGroup) pushBack(i->unit);
}

// The lines take their final positions.
void placeLines(SQCELL_item* cells, int ncells) {
  forEachLine(cells, ncells, [](SQLINE_item* l) {
    if (l->wlm_unit) l->wlm_loc += shiftOf(l->wlm_unit);
  });
}

void freeAll(SQCELL_item* cells, int ncells) {
  forEachLine(cells, ncells, [](SQLINE_item* l) { l->wlm_unit = nullptr; });
  units.clear();
  lineItems.clear();
  unitItems.clear();
  groups.clear();
  freeSlots = {};
  unitBooks.clear();
  groupBooks.clear();
  arcItems.clear();
  arcItemUnit.clear();
  enteringItems.clear();
  heaps.clear();
  stackIndex.clear();
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
  listArcItems();
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
      placeLines(cells, ncells);
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
  placeLines(cells, ncells);
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
