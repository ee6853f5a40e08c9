// Symmetry found or declared: pairs of mirrored sides grouped by axis (the
// form the LP rows are made from), the common pair list `final_sym_list` (the
// form the graph rows and sym.report use) and the symmetry commands' state.
#pragma once
#include <cstdio>
#include <unordered_map>
#include <unordered_set>
#include <vector>

struct _edge;
struct _Dtransistor;
struct _rhs_list;
struct box_item;
class Transistor;

// One mirrored pair of sides: the right partner's left side and the left
// partner's right side, with both bottom sides.
struct SYM_EDGE_ITEM {
  SYM_EDGE_ITEM(_edge* right, _edge* left, _edge* rBottom, _edge* lBottom, unsigned char gate,
                _Dtransistor* rightTransistor, _Dtransistor* leftTransistor);
  _edge* right_edge;
  _edge* left_edge;
  _edge* r_bottom_edge;
  _edge* l_bottom_edge;
  unsigned char gate;  // 1 for a transistor pair
  _Dtransistor* left_transistor;
  _Dtransistor* right_transistor;
  SYM_EDGE_ITEM* next = nullptr;
};

// All pairs of one axis.
class SYM_LIST {
 public:
  SYM_LIST() = default;
  SYM_LIST(const SYM_LIST&) = delete;
  SYM_LIST& operator=(const SYM_LIST&) = delete;
  ~SYM_LIST();

  int times = 1;   // pair lists merged into this axis
  long axis = 0;   // axis coordinate
  int orien = 0;   // 0 vertical axis, 1 horizontal
  SYM_EDGE_ITEM* head = nullptr;

  void insert(SYM_EDGE_ITEM* item);  // at the front
  void add(SYM_EDGE_ITEM* item);     // at the end
  void append(SYM_LIST* other);      // takes over other's items, at the end
  int count() const;
};

struct SYM_AXIS {
  int visited = 0;
  SYM_LIST* one_axis = nullptr;
  SYM_AXIS* next = nullptr;
};

class SYM_AXIS_LIST {
 public:
  SYM_AXIS_LIST() = default;
  SYM_AXIS_LIST(const SYM_AXIS_LIST&) = delete;
  SYM_AXIS_LIST& operator=(const SYM_AXIS_LIST&) = delete;
  ~SYM_AXIS_LIST();

  int nbr_axes = 0;
  SYM_AXIS* head = nullptr;

  void insert(SYM_LIST* list);  // a new axis at the front
  // Appends the pairs to the axis of the same coordinate and kind (counting
  // one more list in its `times`), or inserts the list as a new axis. The
  // list is taken over.
  void merge(SYM_LIST* list);
  // Merges every axis of `other` (emptied).
  void merge_all(SYM_AXIS_LIST* other);
  void clean();
  // With more than one axis, drops the axes supported by a single pair list.
  void cleanforjustsym();
  // Registers a sweep rectangle with every axis through its centre (x sweep).
  void lie_on_sym(box_item* box);
  // The LP rows of every axis for the current direction (X_direction): axis
  // k becomes column num_of_var + k of both stores (NUM_of_VAR follows).
  // The stores may move: read equat_bucket / equat_bucket_y again afterwards.
  void sym_const_gen(_rhs_list** rhs);

 private:
  // Vertical axes by coordinate for lie_on_sym, rebuilt when axes came or went.
  std::unordered_map<long, std::vector<SYM_LIST*>> byCoordinate_;
  int indexedAxes_ = -1;
};

// One symmetric pair of the common list.
struct _sym_constraint_list {
  int number;
  _Dtransistor* Trans1;    // left (or lower) transistor
  _Dtransistor* Trans2;
  _Dtransistor* Tran_res;  // device centred on the axis, or null
  int axis;                // 0 vertical axis, 1 horizontal
  long sym_loc;            // axis coordinate
  int block_number;
  _edge* edge;             // the axis variable, once the graph rows made it
  _sym_constraint_list* next;
};

inline constexpr long SY_NO_AXIS = 1073741823;

extern SYM_AXIS_LIST* all_sym_axes;
extern _sym_constraint_list* final_sym_list;
extern long x_axis, y_axis;  // last vertical / horizontal axis found, SY_NO_AXIS for none
extern int IS_sym;
extern long THE_SYM_AXIS;
extern int case_left_right, case_up_down;
extern Transistor* trans1;
extern Transistor* trans2;
// 1 once the user declared symmetry (f.BoundBox, a symmetry-check file): the
// resizer then skips geometric detection and takes the declared pairs.
extern int Bound_Box;
// Number of the next declared block of pairs (from 1).
extern int block_number;

// Pushes a pair at the front of final_sym_list.
void SYpushPair(int number, _Dtransistor* t1, _Dtransistor* t2, _Dtransistor* reference, int axis,
                long location, int block);
void SYfreeFinalList();
// The transistors of the current extraction: picked and declared ones are
// checked against it, since a new load frees the old records.
class SYliveTransistors {
 public:
  SYliveTransistors();
  bool has(const _Dtransistor* t) const;

 private:
  std::unordered_set<const _Dtransistor*> live_;
};
// Empties the declared pairs (final_sym_list) and restarts block numbering.
void SYclearDeclaredPairs();
// Every symmetry global back to its start value (the axis list freed).
void SYreset();

// Axis list -> final_sym_list (block = axis number, pairs numbered per axis).
void convert_sym_datastructure();
// Writes sym.report; a file that cannot be created ends the process (status 0).
void PrintSymList();
void SYwriteSymReport(FILE* out);
