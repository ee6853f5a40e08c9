// The hierarchical layout database: cells, their per-layer geometry and their
// instances, plus the global roots every later stage reads.
#pragma once

// Maximum layer slots per cell and transformation steps per instance.
inline constexpr int GC_MAX_SLOTS = 32;
inline constexpr int GC_MAX_STEPS = 32;
inline constexpr int GC_NAME_LEN = 32;

// The empty extent: the first point added makes it a single point.
inline constexpr long GC_EMPTY_LOW = 2147483647L;
inline constexpr long GC_EMPTY_HIGH = -2147483648L;

struct _Dtile;  // a corner-stitched tile (tile planes)

struct _box {
  long x1, y1, x2, y2;
};

struct _points {
  long x, y;
  _points* next;
};

// Axis-parallel rectangle with x1 < x2 and y1 < y2. A layout holds millions,
// so the corners are 32-bit, the range every coordinate is kept in at input.
struct _rects {
  int x1, y1, x2, y2;
  _rects* next;
};
// An unlinked rectangle from corners held as long.
inline _rects GCrectOf(long x1, long y1, long x2, long y2) {
  return {static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2), nullptr};
}

// Closed polygon; the closing edge is implied.
struct _polys {
  _points* points;
  _polys* next;
};

// A wire: width and centre-line vertices.
struct _paths {
  long width;
  _points* points;
  _paths* next;
};

struct _circles {
  long d;
  long x, y;
  _circles* next;
};

struct _labels {
  char* label;  // owned
  long x, y;
  _labels* next;
};

struct _strings {
  char* string;
  _strings* next;
};

// The geometry of one layer in one cell.
struct _symbol {
  char layername[GC_NAME_LEN];
  _rects* rect;
  _paths* path;
  _polys* poly;
  _circles* circle;
  _labels* label;
};

enum _optype { trans = 0, mirror = 1, rotate = 2 };
using GOPTYPE = _optype;

// One transformation step: trans (dx, dy), mirror (factor x, factor y), rotate (direction).
struct _opcode {
  GOPTYPE type;
  long x, y;
};

struct _instance {
  long no;                        // number within the parent, from 0
  char cellname[GC_NAME_LEN];     // the called cell's name
  int optimes;                    // steps used
  _opcode opcode[GC_MAX_STEPS];   // steps in the order written
  _instance* next;
};

struct _layout {
  _box frame;
  char name[GC_NAME_LEN];      // "CIRCUIT<n>", or "CIRCUIT" for the top
  char cellname[GC_NAME_LEN];  // user name from the "9" extension
  int sid;                     // flattening state (see GCflatten)
  _symbol* symbol[GC_MAX_SLOTS];  // indexed by technology layer number
  _instance* instance;
  _layout* next;
};

// A named point, one per label extension read.
struct _pin {
  char* label;      // owned
  long x, y;
  char* layername;  // owned
  int layernum;
  _Dtile* tile;     // tile holding the point, filled by plane building / extraction
  _pin* next;
};

struct _DnameTable {
  long node;
  char name[64];
  _DnameTable* next;
};

// Roots. Gsymbols owns every cell; Gactive, Glayout and Gflatten point into it.
extern _layout* Gsymbols;
extern _layout* Gactive;
extern _layout* Glayout;
extern _layout* Gflatten;
extern _pin* Gpin;
extern int DworkingMode;  // 0 layout database shown, 9 corner-stitched planes

// Frees every cell and pin and clears all roots (no message).
void GClayoutReset();

// Commands of the menu.
// Commands of the menu: 1 when they acted, 0 when they only reported.
int GCactivateH();
int GCactivateS();
int GCfreeH();
int GCfreeS();

// Freeing: each follows `next` to the end of the list.
void GCfreeLayout(_layout* layout);
void GCfreeSymbol(_symbol* symbol);  // one slot with its five lists
void GCfreeInst(_instance* instance);
void GCfreeRect(_rects* rect);
void GCfreePath(_paths* path);
void GCfreePoly(_polys* poly);
void GCfreeCircle(_circles* circle);
void GCfreeLabel(_labels* label);
void GCfreePoints(_points* points);
void GCfreePin(_pin* pin);
void GCfreeNameList(_DnameTable* list);

// First layout from `list` (by next) whose name equals `name`, or null.
_layout* GfindLayout(const char* name, _layout* list);
// First layout from `layout` named "CIRCUIT"; exits with status 1 when there is none.
_layout* GCgetTopLayout(_layout* layout);

// A new cell with the empty frame, not linked anywhere.
_layout* GCnewLayout(const char* name);
void GCemptyFrame(_box* frame);
bool GCframeEmpty(const _box& frame);
// Extends `layout`'s frame to include (x, y).
void ACframe(long x, long y, _layout* layout);

// The slot of `layer` in `cell`, created (named `layername`) when missing.
_symbol* GCslot(_layout* cell, int layer, const char* layername);
