// Constraint generation of the resizer: every solid tile of every plane
// becomes a rectangle whose four sides are variables, and a plane sweep over
// the rectangles (once along x, once along y on transposed geometry) emits the
// design-rule constraints between those variables into the equation store.
//
// The equation store is the one place the back ends read:
//   - equat_bucket[k] / equat_bucket_y[k] is column k+1 (variable with sub k+1)
//     of the x / y system: its weight `alpha`, its edge, and its non-zeros as
//     a stack of _equation_item {row, coefficient, other edge}, newest first;
//   - a _rhs_list holds one _rhs_item {row, value, type 'E'/'G'/'L'} per row,
//     in ascending row order. Row 1 is reserved for the objective; rows are
//     numbered from 2 in creation order and the y sweep continues the x numbers
//     unless mps_column_num is reset in between.
// A row made by add_column_2(e1, e2, ..., value, type, c2, c1) reads
//   c2 * X(e2) - c1 * X(e1)  type  value,
// where X(e) is the coordinate of the side (x in the x system, y in the y system,
// which stores its points transposed so that `x` is always the coordinate).
//
// Call order: SWreset (or the driver's init_staff), scan_toget_variables, then
// X_direction = 1 and scan_queue.sweep(equat_bucket, &rhs_x), then
// X_direction = 0 and scan_queue_y.sweep(equat_bucket_y, &rhs_y).
// SWsweepDirection does one such step. SWwriteRows prints rows as text.
// mps_column_num is set to 1 by SWreset only: a driver that wants x and y rows
// numbered separately sets it before each sweep itself.
//
// What the rest of the resizer plugs in here:
//   - the driver (init_staff) calls SWreset, then scan_toget_variables once;
//     the rows are the caller's: free each _rhs_list with SWfreeRows;
//   - scan_toget_variables puts the gate rectangles (one per transistor,
//     sharing the gate tile's four variables, also in gate_rectangles) into
//     the symmetry tree and sets; the x sweep hands every rectangle to
//     all_sym_axes->lie_on_sym, which collects those centred on an axis;
//   - symmetry rows add axis variables with SWaddVariable (NUM_of_VAR grows)
//     and their rows with add_column_2 / add_column_4 after a sweep.
// On the input geometry every row holds when the layout obeys the rules. The
// planes cut drawn shapes into tiles, so rules are stated between tile sides
// only where those sides are edges of the material: an enclosure where the
// enclosing side is an outer edge facing the inner rectangle, a spacing where
// the two sides face each other through space (a corner spacing from an
// exposed end of the piece), a same-layer overlap at outer ends of the shared
// line, and the full width only where a tile has space on both sides
// somewhere (a piece keeps at least its own smaller width). See
// sweep_rules.cpp and tile_sides.h.
#pragma once
#include <functional>
#include <cstdio>
#include <vector>

#include "compact/priority_search_tree.h"

struct _Dtile;
struct set_node;  // symmetry sets
struct box_item;

inline constexpr long SW_INFINITY = 1073741823;
inline constexpr long SW_MINUS_INFINITY = -1073741823;

struct _point {
  long x, y;
};

struct _edge_w_box;

// One variable: a side of a rectangle.
struct _edge {
  _point* p1;
  _point* p2;
  int sub;                 // column number, from 1
  unsigned char upward;    // 1 left (x) or bottom (y) side, 0 right or top
  _edge_w_box* Se;         // profile pieces this rectangle saw on its left under a spacing rule
  _Dtile* mother_tile;
  short layer_num;         // technology layer number of the tile's plane
  char name[32];           // the plane's layer name
  unsigned long mark;      // sweep-internal visit stamp
};

struct _edge_w_box {
  box_item* pseudo_rect;
  _edge* the_edge;
  _edge_w_box* next;
};

struct box_item {
  box_item(_edge* right, _edge* left, long x1, long y1, long x2, long y2);
  set_node* belongs_to;
  unsigned short active;
  long x1, x2, y1, y2;  // transposed in the y direction
  _edge* left_edge;
  _edge* right_edge;
  _edge* bottom_edge;
  _edge* top_edge;
  long seq;             // creation number: orders equal coordinates deterministically
  box_item* origin;     // the tile's rectangle (itself, or the one a profile piece came from)
  unsigned short sides;  // cached neighbour facts of the tile (sweep-internal)
  unsigned long mark;   // sweep-internal visit stamp
  unsigned char looks = 0;  // SW_LOOK_*: what the left event looked at for spacing rows
  // A profile piece's places in the near-piece grids: the square's list and the index in it.
  std::vector<box_item*>* nearList[2] = {nullptr, nullptr};
  int nearSlot[2] = {-1, -1};
};
// Left side visible (spacing rows to the pieces it meets), lower-left and
// upper-left corner (rows to the pieces in their shade).
inline constexpr unsigned char SW_LOOK_LEFT = 4, SW_LOOK_BELOW = 1, SW_LOOK_ABOVE = 2;

struct _equation_item {
  int rank;   // row number
  int coeff;
  _edge* the_edge;  // the other edge of a two-edge row (repeat detection)
  _equation_item* next;
};

struct _adjacency_list {
  int alpha;  // objective weight multiplier: 1, or 10000 in an enclosure
  _edge* the_edge;
  _equation_item* head;
};

struct _rhs_item {
  int column;  // the row number
  int value;
  char type;   // 'E', 'G' or 'L'
  _rhs_item* next;
};

struct _rhs_list {
  _rhs_item* head = nullptr;
  _rhs_item* tail = nullptr;  // last item, for appending in row order
  void* blocks = nullptr;     // the items' storage, a few thousand rows a block
};

struct sweep_elem {
  box_item* box;
  sweep_elem* next;
  long val;
};

struct PROC_ITEM {
  box_item* box;
  long step;
  PROC_ITEM* next;
};

class SweepProfile;

// Event queue of one direction: two events per rectangle, at x1 and at x2,
// ascending by value; an event is placed before earlier-inserted events of
// the same value.
class sweep_list {
 public:
  sweep_list() = default;
  sweep_list(const sweep_list&) = delete;
  sweep_list& operator=(const sweep_list&) = delete;
  ~sweep_list();

  sweep_elem* head = nullptr;

  void Insert(box_item* box, long val);
  sweep_elem* minimum();
  sweep_elem* successor(sweep_elem* e);
  long size() const { return static_cast<long>(elems_.size()); }
  void clear();

  // Runs this direction's sweep (X_direction says which) and fills eq and rhs.
  void sweep(_adjacency_list** eq, _rhs_list** rhs);
  // The rectangles of the queue, each once.
  std::vector<box_item*> rectangles() const;
  // After a sweep with far rows left out (SWleaveFarRows): the spacing rows
  // it left out that the positions `at` gives the sides break are added to
  // eq / rhs, and their number returned (0: the positions keep them all).
  long farRowsHold(const std::function<long(const _edge*)>& at, _adjacency_list** eq, _rhs_list** rhs);
  // Handles one event.
  void generate_rule(PROC_ITEM* item, _adjacency_list** eq, _rhs_list** rhs, RBt* open_set,
                     SweepProfile* profile);

 private:
  void order();
  long farRowsHoldExactly(const std::function<long(const _edge*)>& at, _adjacency_list** eq, _rhs_list** rhs);
  std::vector<sweep_elem*> elems_;
  bool ordered_ = true;
};

struct PIN {
  int subscript;  // column number
  PIN* next;
};
struct PIN_LIST {
  PIN* head = nullptr;
};

// Resizer stores filled here.
extern _adjacency_list** equat_bucket;
extern _adjacency_list** equat_bucket_y;
extern sweep_list scan_queue;
extern sweep_list scan_queue_y;
extern int mps_column_num;  // last row number handed out
extern int num_of_var;      // x variables (twice the solid tiles)
extern int NUM_of_VAR;      // grows when symmetry axis variables are added
extern int num_of_var_y;    // y variables
extern unsigned char X_direction;
extern PIN_LIST* INPUT_PINS;
extern PIN_LIST* OUTPUT_PINS;
// Gate rectangles (left, bottom, left + width, bottom + length) of the
// transistors, sharing the gate tile's variables, for symmetry detection.
extern std::vector<box_item*> gate_rectangles;

// 1: a spacing row (side or corner) to a profile piece more than
// SWfarDistance left of the rectangle is left out of the sweep, and the back
// end checks the rows left out after solving (sweep_list::farRowsHold). Such
// rows grow faster than the layout (a corner sees every piece in its shade,
// a side every piece touching its ends that nothing hides) and join shapes
// that the rows in between already keep apart. 0 (SWreset): every row.
extern int SWleaveFarRows;
// After both directions are solved (positions atX of the x sides, atY of
// the y sides of the x rectangles of `xq`): pairs of tiles of layers with a
// spacing rule that face each other across less than it in the result but
// not in the input (rows are taken from the input, so shapes that the
// horizontal pass brings over one another have none in the vertical one)
// each get the row of a direction the input kept them apart in. Returns the
// number of rows added.
long SWnewNeighbourRows(const sweep_list& xq, const std::function<long(const _edge*)>& atX,
                        const std::function<long(const _edge*)>& atY, _adjacency_list** xeq, _rhs_list** xrhs,
                        _adjacency_list** yeq, _rhs_list** yrhs);

// How far left of a rectangle a spacing row is still stated: four times the
// largest spacing rule of the tables (times theGlobalScale), at least 1.
long SWfarDistance();

// Frees every variable, rectangle, row and queue and empties the stores
// (one growable entry each, like the resizer's reset).
void SWreset();

// Variables, rectangles and both event queues from the tile planes.
void scan_toget_variables();

// Adds a variable for `edge` to the x (1) or y (0) store, sets its `sub` and
// returns that column (the symmetry rows add their axis variables this way).
int SWaddVariable(int xDirection, _edge* edge);
// Puts `edge` in column `column` of the x (1) or y (0) store with weight
// `alpha`: the column must exist or be the next one; an existing column keeps
// its rows. The store's array may move, so read equat_bucket / equat_bucket_y
// again afterwards.
void SWsetVariable(int xDirection, int column, _edge* edge, int alpha);
int SWcolumns(int xDirection);
// Changes whenever the stores are emptied (for indexes kept over them).
unsigned SWstoreGeneration();

// c2*X(e2) - c1*X(e1) type value, unless e1 and e2 already share a row.
void add_column_2(_edge* e1, _edge* e2, _adjacency_list** eq, _rhs_list** rhs, long value,
                  char type, int c2, int c1);
// X(e2) - X(e1) = value, even where e1 and e2 already share a row: a
// distance that must hold exactly whatever lower bound the sweep gave it.
void SWaddEqualRow(_edge* e1, _edge* e2, _adjacency_list** eq, _rhs_list** rhs, long value);
// X(e1) + X(e2) - X(e3) - X(e4) = value (-2 X(e3) when e3 is e4).
void add_column_4(_edge* e1, _edge* e2, _edge* e3, _edge* e4, _adjacency_list** eq,
                  _rhs_list** rhs, long value);
void add_rhs(char type, int value, _rhs_list** rhs);
// `item` must come from the list's own storage (add_rhs): SWfreeRows frees
// the storage, not single items.
void rhs_insert(_rhs_item* item, _rhs_list** rhs);
void modify_alpha(_adjacency_list** eq, box_item* box);
bool not_contact(int layer);

// Runs one direction (1 x, 0 y) on its queue and store, filling *rhs.
void SWsweepDirection(int xDirection, _rhs_list* rhs);
// Writes every row of `rhs` as "row: +1*v3 -1*v1 >= 80" (columns ascending).
void SWwriteRows(FILE* out, _adjacency_list** eq, int columns, const _rhs_list* rhs);
// Frees the items of a row list (their storage blocks at once).
void SWfreeRows(_rhs_list* rhs);
