// Geometric symmetry detection: gates of equal size on one row (or, for the
// interactive checks, one column) are paired, and every pair's axis lies
// midway between the facing sides.
#pragma once

struct _Dtile;
struct _Dtransistor;
struct _edge;
class set;
class set_list;
class SYM_LIST;
class buffer;

// A tile of the planes as the detection sees it.
class Tile {
 public:
  explicit Tile(_Dtile* tile) : _tile(tile) {}
  // The transistor whose gate, drain or source tile this is, or null.
  _Dtransistor* findTransistor() const;
  // New stand-alone variables for the tile's left side (upward 1) and its
  // right side (upward 0): column 0, layer 0, no name.
  _edge* get_upward_edge() const;
  _edge* get_downward_edge() const;
  _Dtile* _tile;
};

// A picked transistor.
class Transistor {
 public:
  Transistor() = default;
  explicit Transistor(_Dtransistor* t) : _trans(t) {}
  void set_trans(_Dtransistor* t) { _trans = t; }
  _Dtransistor* get() const { return _trans; }
  long get_gate_x1() const;
  long get_gate_x2() const;
  long get_gate_y1() const;
  long get_gate_y2() const;
  _edge* get_upward_edge() const;
  _edge* get_downward_edge() const;
  // Its gate rectangle as a one-rectangle set in `sets`.
  void addInSets(set_list& sets) const;
  // Replaces all_sym_axes by the axes the general pairing finds between the
  // two gates; true when one remains (x_axis or y_axis set).
  bool sym_check(Transistor* other);
  _Dtransistor* _trans = nullptr;
};

// The pairs of two sets of the same row: L left of R. Null when they do
// not mirror each other.
SYM_LIST* match_set_for_resize(set* L, set* R);
// Geometric detection over Sets into all_sym_axes; 1 when an axis was found.
int symmetry_detection_for_resizing();
// One row's pairs as a new axis list.
class SYM_AXIS_LIST;
SYM_AXIS_LIST* symmetry_axis_for_resize(buffer& row);
// The general pairing of two transistors' gates into `axes` (stand-alone
// variables); the number of axes kept.
int SYpairAxes(_Dtransistor* first, _Dtransistor* second, SYM_AXIS_LIST* axes);
// Frees the stand-alone variables and rectangles made for the interactive
// checks (the axes found by a check keep pointing into them until then).
void SYfreeLooseRecords();
