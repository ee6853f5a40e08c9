// The equation store: columns of non-zeros per variable, the row list, the
// repeat check of two-edge rows, the progress diagnostic and the text dump.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <cstdint>
#include <vector>

#include "common/memory.h"
#include "common/run_program.h"
#include "compact/sweep_internal.h"

_adjacency_list** equat_bucket = nullptr;
_adjacency_list** equat_bucket_y = nullptr;
int mps_column_num = 1;
int num_of_var = 0;
int NUM_of_VAR = 0;
int num_of_var_y = 0;
unsigned char X_direction = 1;
PIN_LIST* INPUT_PINS = nullptr;
PIN_LIST* OUTPUT_PINS = nullptr;
SweepProgress SWprogress;
static unsigned storeGeneration = 0;

namespace {

struct Store {
  _adjacency_list*** array;
  int capacity;
};
Store xStore{&equat_bucket, 0};
Store yStore{&equat_bucket_y, 0};
int xColumns = 0, yColumns = 0;

// Pairs of columns that share a two-edge row, one set per store: the same
// question as "does e1's column hold an item naming e2", answered without
// walking the column. Open addressing over 64-bit keys (smaller column in the
// high half), so a million rows cost no allocation per row; filled up to 3/4
// (the keys are well mixed, so probes stay short) to keep 11-21 bytes a pair.
class PairSet {
 public:
  // True when the pair was not there yet.
  bool insert(unsigned a, unsigned b) {
    if (a > b) std::swap(a, b);
    uint64_t key = (static_cast<uint64_t>(a) << 32) | b;
    if ((used_ + 1) * 4 > slots_.size() * 3) grow();
    size_t mask = slots_.size() - 1;
    for (size_t i = mix(key) & mask;; i = (i + 1) & mask) {
      if (slots_[i] == key) return false;
      if (slots_[i] == kEmpty) {
        slots_[i] = key;
        ++used_;
        return true;
      }
    }
  }
  void clear() {
    std::vector<uint64_t>().swap(slots_);
    used_ = 0;
  }

 private:
  static constexpr uint64_t kEmpty = ~uint64_t{0};
  static uint64_t mix(uint64_t x) {
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
  }
  void grow() {
    std::vector<uint64_t> old;
    old.swap(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, kEmpty);
    size_t mask = slots_.size() - 1;
    for (uint64_t key : old) {
      if (key == kEmpty) continue;
      size_t i = mix(key) & mask;
      while (slots_[i] != kEmpty) i = (i + 1) & mask;
      slots_[i] = key;
    }
  }
  std::vector<uint64_t> slots_;
  size_t used_ = 0;
};
PairSet sharedRowsX, sharedRowsY;

std::deque<_equation_item> itemArena;

// Rows of one _rhs_list live in blocks chained from the list, so a row costs
// its 24 bytes and no allocation of its own; SWfreeRows drops the blocks.
struct RowBlock {
  static constexpr int kRows = 4096;
  RowBlock* next;
  int used;
  _rhs_item items[kRows];
};

_rhs_item* newRow(_rhs_list* list) {
  auto* block = static_cast<RowBlock*>(list->blocks);
  if (!block || block->used == RowBlock::kRows) {
    auto* fresh = static_cast<RowBlock*>(GCmalloc(sizeof(RowBlock)));
    fresh->next = block;
    fresh->used = 0;
    list->blocks = block = fresh;
  }
  return &block->items[block->used++];
}

// Makes sure entry `index` exists (entries are allocated one ahead).
void ensureEntry(Store& s, int index) {
  if (index < s.capacity && (*s.array)[index]) return;
  if (index >= s.capacity) {
    int cap = std::max(16, s.capacity * 2);
    while (cap <= index) cap *= 2;
    auto* grown = static_cast<_adjacency_list**>(GCmalloc(sizeof(_adjacency_list*) * cap));
    if (*s.array) {
      memcpy(grown, *s.array, sizeof(_adjacency_list*) * s.capacity);
      GCfree(*s.array, sizeof(_adjacency_list*) * s.capacity);
    }
    *s.array = grown;
    s.capacity = cap;
  }
  _adjacency_list* entry = GCnew<_adjacency_list>();
  entry->alpha = 1;
  (*s.array)[index] = entry;
}

void freeStore(Store& s, int columns) {
  if (!*s.array) return;
  for (int k = 0; k <= columns && k < s.capacity; ++k)
    if ((*s.array)[k]) GCdelete((*s.array)[k]);
  GCfree(*s.array, sizeof(_adjacency_list*) * s.capacity);
  *s.array = nullptr;
  s.capacity = 0;
}

_equation_item* newItem(int rank, int coeff, _edge* other, _equation_item* next) {
  itemArena.push_back(_equation_item{rank, coeff, other, next});
  return &itemArena.back();
}

void pushItem(_adjacency_list** eq, _edge* column, int rank, int coeff, _edge* other) {
  _adjacency_list* entry = eq[column->sub - 1];
  entry->head = newItem(rank, coeff, other, entry->head);
}

void printCounters(const char* label, int* counters) {
  printf("%s", label);
  for (int i = 0; i < 16; ++i) printf("%6i ", counters[i]);
}

void progressDiagnostic() {
  SweepProgress& p = SWprogress;
  printf("dir %i mps_column = %i, line = %i>%i, looplooploop = %i\n", X_direction, mps_column_num,
         static_cast<int>(p.position), static_cast<int>(p.last), static_cast<int>(p.events));
  GCrunDate();
  printCounters("ct_left  ", p.ctLeft);
  printCounters("\nct_right ", p.ctRight);
  printf("\n");
  printCounters("lp_left  ", p.lpLeft);
  printCounters("\nlp_right ", p.lpRight);
  printf("\n");
  fflush(stdout);
  memset(p.ctLeft, 0, sizeof p.ctLeft);
  memset(p.ctRight, 0, sizeof p.ctRight);
  memset(p.lpLeft, 0, sizeof p.lpLeft);
  memset(p.lpRight, 0, sizeof p.lpRight);
}

}  // namespace

unsigned SWstoreGeneration() { return storeGeneration; }

void SWresetStore() {
  ++storeGeneration;
  freeStore(xStore, xColumns);
  freeStore(yStore, yColumns);
  xColumns = yColumns = 0;
  ensureEntry(xStore, 0);
  ensureEntry(yStore, 0);
  sharedRowsX.clear();
  sharedRowsY.clear();
  itemArena.clear();
  mps_column_num = 1;
  num_of_var = NUM_of_VAR = num_of_var_y = 0;
  X_direction = 1;
  SWprogress = SweepProgress();
}

int SWaddVariable(int xDirection, _edge* edge) {
  Store& s = xDirection ? xStore : yStore;
  int& columns = xDirection ? xColumns : yColumns;
  ensureEntry(s, columns);
  _adjacency_list* entry = (*s.array)[columns];
  entry->alpha = 1;
  entry->the_edge = edge;
  entry->head = nullptr;
  ++columns;
  edge->sub = columns;
  ensureEntry(s, columns);  // the spare entry
  if (xDirection) NUM_of_VAR = columns;
  return columns;
}

void SWsetVariable(int xDirection, int column, _edge* edge, int alpha) {
  Store& s = xDirection ? xStore : yStore;
  int& columns = xDirection ? xColumns : yColumns;
  if (column > columns) {
    SWaddVariable(xDirection, edge);
  } else {
    _adjacency_list* entry = (*s.array)[column - 1];
    entry->the_edge = edge;
    edge->sub = column;
  }
  (*s.array)[column - 1]->alpha = alpha;
}

int SWcolumns(int xDirection) { return xDirection ? xColumns : yColumns; }

void add_rhs(char type, int value, _rhs_list** rhs) {
  _rhs_item* item = newRow(*rhs);
  item->column = mps_column_num;
  item->value = value;
  item->type = type;
  rhs_insert(item, rhs);
  if (mps_column_num % 5000 == 0) progressDiagnostic();
}

void rhs_insert(_rhs_item* item, _rhs_list** rhs) {
  _rhs_list* list = *rhs;
  if (!list->head) {
    item->next = nullptr;
    list->head = list->tail = item;
    return;
  }
  if (list->tail->column <= item->column) {
    item->next = nullptr;
    list->tail->next = item;
    list->tail = item;
    return;
  }
  if (item->column < list->head->column) {
    item->next = list->head;
    list->head = item;
    return;
  }
  _rhs_item* at = list->head;
  while (at->next && at->next->column <= item->column) at = at->next;
  item->next = at->next;
  at->next = item;
}

void add_column_2(_edge* e1, _edge* e2, _adjacency_list** eq, _rhs_list** rhs, long value,
                  char type, int c2, int c1) {
  PairSet& shared = eq == equat_bucket_y ? sharedRowsY : sharedRowsX;
  if (!shared.insert(static_cast<unsigned>(e1->sub), static_cast<unsigned>(e2->sub))) return;
  int r = ++mps_column_num;
  pushItem(eq, e1, r, -c1, e2);
  pushItem(eq, e2, r, c2, e1);
  add_rhs(type, static_cast<int>(value), rhs);
}

void SWaddEqualRow(_edge* e1, _edge* e2, _adjacency_list** eq, _rhs_list** rhs, long value) {
  PairSet& shared = eq == equat_bucket_y ? sharedRowsY : sharedRowsX;
  shared.insert(static_cast<unsigned>(e1->sub), static_cast<unsigned>(e2->sub));
  int r = ++mps_column_num;
  pushItem(eq, e1, r, -1, e2);
  pushItem(eq, e2, r, 1, e1);
  add_rhs('E', static_cast<int>(value), rhs);
}

void add_column_4(_edge* e1, _edge* e2, _edge* e3, _edge* e4, _adjacency_list** eq,
                  _rhs_list** rhs, long value) {
  int r = ++mps_column_num;
  pushItem(eq, e1, r, 1, nullptr);
  pushItem(eq, e2, r, 1, nullptr);
  if (e3 == e4) {
    pushItem(eq, e3, r, -2, nullptr);
  } else {
    pushItem(eq, e3, r, -1, nullptr);
    pushItem(eq, e4, r, -1, nullptr);
  }
  add_rhs('E', static_cast<int>(value), rhs);
}

void modify_alpha(_adjacency_list** eq, box_item* box) {
  if (box->left_edge) eq[box->left_edge->sub - 1]->alpha = 10000;
  if (box->right_edge) eq[box->right_edge->sub - 1]->alpha = 10000;
}

bool not_contact(int layer) { return layer != 1 && layer != 5 && layer != 6; }

void SWfreeRows(_rhs_list* rhs) {
  for (auto* block = static_cast<RowBlock*>(rhs->blocks); block;) {
    RowBlock* next = block->next;
    GCfree(block, sizeof(RowBlock));
    block = next;
  }
  rhs->blocks = nullptr;
  rhs->head = rhs->tail = nullptr;
}

void SWwriteRows(FILE* out, _adjacency_list** eq, int columns, const _rhs_list* rhs) {
  struct Term {
    int row, column, coeff;
  };
  std::vector<Term> terms;
  for (int k = 0; k < columns; ++k)
    for (_equation_item* it = eq[k]->head; it; it = it->next)
      terms.push_back(Term{it->rank, k + 1, it->coeff});
  std::sort(terms.begin(), terms.end(), [](const Term& a, const Term& b) {
    return a.row != b.row ? a.row < b.row : a.column < b.column;
  });
  size_t t = 0;
  for (const _rhs_item* r = rhs->head; r; r = r->next) {
    while (t < terms.size() && terms[t].row < r->column) ++t;
    fprintf(out, "%d:", r->column);
    for (; t < terms.size() && terms[t].row == r->column; ++t)
      fprintf(out, " %+d*v%d", terms[t].coeff, terms[t].column);
    const char* rel = r->type == 'G' ? ">=" : r->type == 'L' ? "<=" : "=";
    fprintf(out, " %s %d\n", rel, r->value);
  }
}
