// Records of the sweep, the event queues and the driving loop of one sweep:
// events of one position form a group, ordered so that every rectangle ending
// there is handled before the y-overlapping rectangles starting there.
#include <algorithm>
#include <cstdio>
#include <deque>

#include "compact/sweep_internal.h"
#include "compact/sweep_profile.h"
#include "compact/tile_sides.h"
#include "common/scale.h"
#include "designrule/designrule.h"

sweep_list scan_queue;
sweep_list scan_queue_y;
std::vector<box_item*> gate_rectangles;

namespace {
std::deque<_edge> edgeArena;
std::deque<_point> pointArena;
std::deque<box_item> boxArena;
std::deque<_edge_w_box> seArena;
std::deque<PIN> pinArena;
long boxCount = 0;
}  // namespace

box_item::box_item(_edge* right, _edge* left, long x1_, long y1_, long x2_, long y2_)
    : belongs_to(nullptr), active(0), x1(x1_), x2(x2_), y1(y1_), y2(y2_), left_edge(left),
      right_edge(right), bottom_edge(nullptr), top_edge(nullptr), seq(0), origin(this), sides(0),
      mark(0) {}

_edge* SWnewEdge() {
  edgeArena.emplace_back();
  return &edgeArena.back();
}

_point* SWnewPoint(long x, long y) {
  pointArena.push_back(_point{x, y});
  return &pointArena.back();
}

box_item* SWnewBox(_edge* right, _edge* left, long x1, long y1, long x2, long y2) {
  boxArena.emplace_back(right, left, x1, y1, x2, y2);
  boxArena.back().seq = ++boxCount;
  return &boxArena.back();
}

_edge_w_box* SWnewSeEntry(box_item* piece, _edge* edge, _edge_w_box* next) {
  seArena.push_back(_edge_w_box{piece, edge, next});
  return &seArena.back();
}

void SWaddPin(PIN_LIST** list, int column) {
  if (!*list) *list = new PIN_LIST;
  pinArena.push_back(PIN{column, (*list)->head});
  (*list)->head = &pinArena.back();
}

void SWfreeRecords() {
  edgeArena.clear();
  pointArena.clear();
  boxArena.clear();
  seArena.clear();
  pinArena.clear();
  boxCount = 0;
}

int SWleaveFarRows = 0;

long SWfarDistance() {
  long widest = 0;
  for (int a = 0; a < DR_MAX_LAYERS; ++a)
    for (int b = 0; b < DR_MAX_LAYERS; ++b)
      if (SPACING_VALID[a][b] && SPACING[a][b] > widest) widest = SPACING[a][b];
  return std::max(1L, 4 * widest * theGlobalScale);
}

void SWreset() {
  SWleaveFarRows = 0;
  scan_queue.clear();
  scan_queue_y.clear();
  gate_rectangles.clear();
  delete INPUT_PINS;
  delete OUTPUT_PINS;
  INPUT_PINS = new PIN_LIST;
  OUTPUT_PINS = new PIN_LIST;
  SWforgetSides();
  SWfreeRecords();
  SWresetStore();
}

sweep_list::~sweep_list() { clear(); }

void sweep_list::clear() {
  for (sweep_elem* e : elems_) delete e;
  elems_.clear();
  head = nullptr;
  ordered_ = true;
}

void sweep_list::Insert(box_item* box, long val) {
  elems_.push_back(new sweep_elem{box, nullptr, val});
  ordered_ = false;
}

// Ascending values; of equal values the later inserted comes first.
void sweep_list::order() {
  if (ordered_) return;
  std::vector<size_t> index(elems_.size());
  for (size_t i = 0; i < index.size(); ++i) index[i] = i;
  std::sort(index.begin(), index.end(), [this](size_t a, size_t b) {
    if (elems_[a]->val != elems_[b]->val) return elems_[a]->val < elems_[b]->val;
    return a > b;
  });
  std::vector<sweep_elem*> sorted(elems_.size());
  for (size_t i = 0; i < index.size(); ++i) sorted[i] = elems_[index[i]];
  elems_.swap(sorted);
  for (size_t i = 0; i < elems_.size(); ++i)
    elems_[i]->next = i + 1 < elems_.size() ? elems_[i + 1] : nullptr;
  head = elems_.empty() ? nullptr : elems_[0];
  ordered_ = true;
}

sweep_elem* sweep_list::minimum() {
  order();
  return head;
}

sweep_elem* sweep_list::successor(sweep_elem* e) {
  order();
  return e ? e->next : nullptr;
}

namespace {

bool isRightEvent(const PROC_ITEM& item) { return item.step != item.box->x1; }

// The processing order of one group: items are appended in queue order, and
// each right event pulls every listed left event whose closed y-interval meets
// its own to just behind it, keeping their order. Each item carries a rank;
// moving items behind a right event gives them the next ranks in their
// current order, so the group costs O(g log g) plus the moves.
}  // namespace

void SWorderGroup(std::vector<PROC_ITEM>& items) {
  std::vector<long> rank(items.size());
  long next = 0;
  RBt lefts;
  std::vector<point> found;
  for (size_t i = 0; i < items.size(); ++i) {
    rank[i] = ++next;
    box_item* b = items[i].box;
    if (!isRightEvent(items[i])) {
      lefts.BPSTinsert(b->y2, b->y1, nullptr, static_cast<long>(i));
      continue;
    }
    found.clear();
    lefts.EnumerateRectangle(b->y1, SW_INFINITY, b->y2, found);
    std::sort(found.begin(), found.end(),
              [&rank](const point& a, const point& c) { return rank[a.seq] < rank[c.seq]; });
    for (const point& p : found) rank[p.seq] = ++next;
  }
  std::vector<size_t> index(items.size());
  for (size_t i = 0; i < index.size(); ++i) index[i] = i;
  std::sort(index.begin(), index.end(), [&rank](size_t a, size_t c) { return rank[a] < rank[c]; });
  std::vector<PROC_ITEM> ordered(items.size());
  for (size_t i = 0; i < index.size(); ++i) ordered[i] = items[index[i]];
  items.swap(ordered);
  for (size_t i = 0; i < items.size(); ++i) items[i].next = i + 1 < items.size() ? &items[i + 1] : nullptr;
}

namespace {

unsigned long groupStamp = 0;

}  // namespace

void sweep_list::sweep(_adjacency_list** eq, _rhs_list** rhs) {
  order();
  if (!head) return;
  RBt open_set;
  SweepProfile profile;
  if (SWleaveFarRows) profile.useNearGrids(SWfarDistance());
  printf("minimum coordinate is %i\n", static_cast<int>(head->val));
  printf("maximum coordinate is %i\n", static_cast<int>(elems_.back()->val));
  SWprogress.last = elems_.back()->val;
  std::vector<PROC_ITEM> items;
  for (sweep_elem* e = head; e;) {
    long val = e->val;
    items.clear();
    for (; e && e->val == val; e = e->next) items.push_back(PROC_ITEM{e->box, val, nullptr});
    SWorderGroup(items);
    ++groupStamp;
    for (PROC_ITEM& item : items) {
      if (item.box->mark == groupStamp)
        printf("SWEEP: Same box occurs on the same process_list at value %i\n", static_cast<int>(val));
      item.box->mark = groupStamp;
    }
    SWprogress.position = val;
    for (PROC_ITEM& item : items) {
      generate_rule(&item, eq, rhs, &open_set, &profile);
      ++SWprogress.events;
    }
  }
  fflush(stdout);
}

void SWsweepDirection(int xDirection, _rhs_list* rhs) {
  X_direction = static_cast<unsigned char>(xDirection != 0);
  _rhs_list* list = rhs;
  if (xDirection)
    scan_queue.sweep(equat_bucket, &list);
  else
    scan_queue_y.sweep(equat_bucket_y, &list);
}
