// Corner-stitched tile planes in the maximal vertical-strip convention: space
// is cut into vertical strips as tall as the surrounding material allows.
// A point (x, y) lies in the tile with x1 < x <= right and y1 <= y < top.
#pragma once

#include "common/layout.h"
#include "common/scale.h"
#include "cs/record_arena.h"
#include "cs/tile_link.h"

struct _Dtile;
struct _DlayerTile;
struct SQCELL_item;

struct _Dtilelist {
  CSref<_Dtile> tile;
  CSref<_Dtilelist> next;
};
static_assert(sizeof(_Dtilelist) == 8, "list cell grew");

inline constexpr unsigned short CS_SPACE = 31;
inline constexpr unsigned short CS_FRAME = 30;    // also the tile being created
inline constexpr unsigned short CS_ELEMENT = 0xFF00;
inline constexpr int CS_MAX_PLANES = 32;

// One tile. The upper-right corner is not stored: right = tr->x1, top = rt->y1.
// A million-rectangle layout makes millions of tiles, so the record is kept
// small: coordinates and the net number are 32-bit (all plane coordinates lie
// within +-2^30), the plane is an index into DlayerTile, and the fields that
// only later stages write (squeeze cells, the net name) live beside the tile
// in a table of their own (CStileCold), made only for the tiles that need them;
// so does the extractors' chain link `next`, which only user terminals use.
// The four stitches and the two link lists are 32-bit references into the
// record arena.
struct _Dtile {
  int x1, y1;
  int node;               // net: 0 none, > 0 net number, -1 new half of a split
  unsigned short type;    // 31 space, 30 frame, else solid; >= 256 element (0xFF00 | layer)
  short processed;        // visit mark
  CSref<_Dtile> rt;       // above: rightmost of those touching the top edge
  CSref<_Dtile> tr;       // right: topmost of those touching the right edge
  CSref<_Dtile> lb;       // below: leftmost of those touching the bottom edge
  CSref<_Dtile> bl;       // left: bottommost of those touching the left edge
  CSlink lower;           // contact links to the plane below (transistor of an element tile)
  CSlink upper;           // contact links to the plane above (fault record in critical planes)
  // Plane the tile belongs to, as its index in DlayerTile plus one (0: none);
  // read and set it through TileLayer / TileSetLayer.
  unsigned char layer;
  // Small marks in one byte each: they only ever hold a few values.
  signed char activeDev : 7;    // 1 gate, 2 source/drain, 3 gate-layer over gate, 4 beside it
  bool passiveDev : 1;
  unsigned char tran_sharing;   // copied to the new half on splits; nothing sets it
  signed char drainsourcegate;  // 1 on gate tiles reached by the RC graph
  signed char substrate_flag;   // substrate extraction mark
};
static_assert(sizeof(_Dtile) == 48, "tile record grew");

// The fields of a tile that only later stages write, kept out of the record.
struct _DtileCold {
  SQCELL_item* resize_cell;
  SQCELL_item* resize_cell_LR;
  SQCELL_item* resize_cell_TB;
  char nodename[16];
  _Dtile* next;  // chain link for the extractors (a user terminal's record)
};
// The tile's cold fields, or null while none was ever written.
_DtileCold* CStileCold(const _Dtile* tile);
// The tile's cold fields, made zero-filled on first use; they go with the tile
// (FreeTile) and with the planes (CSreset, GCfreeCS).
_DtileCold& CStileColdMake(_Dtile* tile);
long CScoldTiles();  // tiles that have cold fields
inline _Dtile* TileNext(const _Dtile* t) {
  _DtileCold* cold = CStileCold(t);
  return cold ? cold->next : nullptr;
}

struct _DlayerTile {
  _box frame;             // bounding box of the layout the planes were built from
  char name[32];
  short layer;
  _Dtile* layertile;      // entry tile of the plane
  long stilenum;          // tiles created
  long btilenum;
  _Dtile* crittile;       // entry tile of the critical-area plane
  _Dtile* bordertile;     // top frame tile of the critical-area plane
  _Dtilelist* highlight;
  _Dtilelist* selected;
};

extern _DlayerTile DlayerTile[CS_MAX_PLANES];
extern int DlayerNum;
extern _Dtile* Stitch;         // search hint: every plane operation starts and ends here
extern _Dtile* CurrentStitch;  // plane chosen for the navigation commands
extern _DlayerTile* CLayer;    // plane being built (progress counter)

// The plane a tile belongs to (an entry of DlayerTile), or null.
inline _DlayerTile* TileLayer(const _Dtile* t) { return t->layer ? &DlayerTile[t->layer - 1] : nullptr; }
inline void TileSetLayer(_Dtile* t, const _DlayerTile* plane) {
  t->layer = plane ? static_cast<unsigned char>(plane - DlayerTile + 1) : 0;
}

// ---- corners ------------------------------------------------------------
// Frame tiles on the outer rim have no stitch outwards; their far edge is one
// unit beyond infinity.
inline long TileRight(const _Dtile* t) { return t->tr ? t->tr->x1 : GC_INFINITY + 1; }
inline long TileTop(const _Dtile* t) { return t->rt ? t->rt->y1 : GC_INFINITY + 1; }

// ---- records and lifecycle ------------------------------------------------
void InitStitch();
void CSreset();                 // frees every plane and clears the globals
_Dtile* NewTile();              // zeroed tile from the plane pool
void FreeTile(_Dtile* tile);
_Dtilelist* TileToList(_Dtilelist* list, _Dtile* tile);
void FreeList(_Dtilelist* list);
void FreeList2(_Dtilelist* list);  // frees cells, tiles and the short records on `upper`
void FreeList3(_Dtilelist* list);  // frees cells, tiles and the open records on `upper`
// Sizes of the fault records hung on `upper` in critical planes (set by the
// fault module; FreeList2/3 release them with these sizes).
extern unsigned CSshortRecordSize;
extern unsigned CSopenRecordSize;
long CSliveTiles();             // tiles allocated and not freed
long CSpoolBytes();             // bytes taken from the system for tiles and list cells
long CSliveCells();
long CSpeakTiles();             // most tiles / list cells in use at once since the
long CSpeakCells();             // pools last gave their memory back
void CSreleasePools();           // returns the pools' memory when no record is in use

// Lists built in order: each tile goes at the end.
struct CSlistBuilder {
  _Dtilelist* head = nullptr;
  _Dtilelist* last = nullptr;
  void append(_Dtile* tile) {
    _Dtilelist* cell = TileToList(nullptr, tile);
    if (last)
      last->next = cell;
    else
      head = cell;
    last = cell;
  }
};
// Unlinks and frees the cells whose tile `drop` picks; returns the list.
template <class Pick>
_Dtilelist* CSdropCells(_Dtilelist* list, Pick drop) {
  _Dtilelist *head = list, *prev = nullptr;
  for (_Dtilelist* cell = list; cell;) {
    _Dtilelist* next = cell->next;
    if (drop(static_cast<_Dtile*>(cell->tile))) {
      if (prev)
        prev->next = next;
      else
        head = next;
      cell->next = nullptr;
      FreeList(cell);
    } else {
      prev = cell;
    }
    cell = next;
  }
  return head;
}

_Dtile* Init1LayerCS();
void FrameMake(long x1, long y1, long x2, long y2, _Dtile* tile);

// ---- search -----------------------------------------------------------------
enum { CS_LEFT = 1, CS_RIGHT = 2, CS_UP = 3, CS_DOWN = 4, CS_INSIDE = 5 };
enum { CS_SIDE_LEFT = 1, CS_SIDE_RIGHT = 2, CS_SIDE_TOP = 6, CS_SIDE_BOTTOM = 7 };
int location(long x, long y, _Dtile* tile);
_Dtile* PointFind(long x, long y);
void Neighbor(_Dtile* tile, _Dtilelist** list, int side, unsigned char strict);
void UpdateNeighbor(_Dtile* tile, int side);

// ---- enumeration --------------------------------------------------------------
void AreaEnum(long x1, long y1, long x2, long y2, _Dtilelist** list, short clear);
void ExAreaEnum(long x1, long y1, long x2, long y2, _Dtilelist** list, short clear);
void cleanUp(_Dtilelist** list, _box* box);
// Calls `visit` on the tiles AreaEnum would list, in the same order, without
// making the list; a visitor returning true ends the walk. The visitor may
// search and enumerate but must not change the plane.
void CSvisitArea(long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*), void* context);

// ---- editing --------------------------------------------------------------------
_Dtile* TileCreation(long x1, long y1, long x2, long y2, _Dtile** tile);
// Carving in a plane whose solid tiles carry records (the critical-area planes):
// every piece cut off a solid tile gets its own copy of that tile's record, a
// tile merged away releases its record, and tiles above and below the new tile
// merge only when they are space.
struct CScarveRecords {
  void (*copy)(_Dtile* piece, const _Dtile* from);
  void (*release)(_Dtile* gone);
};
_Dtile* TileCreationWith(long x1, long y1, long x2, long y2, _Dtile** tile,
                         const CScarveRecords* rules);
_Dtile* Put1BoxCS(_rects* rect, short type, int plane);
enum { CS_CUT_VERTICAL = 8, CS_CUT_HORIZONTAL = 9 };
void TileSplit(_Dtile* tile, _points point, int dir, _Dtile** newTile, int keepnode);
_rects* BoxMinus(long ax1, long ay1, long ax2, long ay2, long bx1, long by1, long bx2, long by2,
                 _box** overlap);
void CSfreeRects(_rects* list);
bool CScheckOverlap(_Dtile* a, _Dtile* b);
void CSupdateCon(_Dtile* tile);

// ---- explicit planes -------------------------------------------------------------
// A plane named by any of its tiles. The operations below start from the
// handle's hint and leave it on the tile they ended at, exactly as the plain
// forms above do with the global cursor `Stitch`, which they leave untouched;
// so a pass can keep an input and an output plane at once. Tiles merged away
// by an edit through the handle move its hint along; an edit of the same
// plane through another handle or the plain forms may leave the hint stale.
struct CSplane {
  _Dtile* hint = nullptr;
};
_Dtile* CSfind(CSplane& plane, long x, long y);                                      // PointFind
void CSenumerate(CSplane& plane, long x1, long y1, long x2, long y2, _Dtilelist** list,
                 short clear);                                                          // AreaEnum
void CSvisit(CSplane& plane, long x1, long y1, long x2, long y2, bool (*visit)(_Dtile*, void*),
             void* context);                                                            // CSvisitArea
_Dtile* CScarve(CSplane& plane, long x1, long y1, long x2, long y2);                  // TileCreation

// ---- predicates -------------------------------------------------------------------
// The type tests run for every tile an extractor meets: inline.
inline bool TisSolid(const _Dtile* t) { return t->type != CS_SPACE; }
inline bool TisElement(const _Dtile* t) { return t->type >= 256; }
inline bool TisNoted(const _Dtile* t) { return t->node > 0; }
inline bool TsameType(const _Dtile* a, const _Dtile* b) {
  return a->type == b->type || a->type == (b->type & 0xFF) || (a->type & 0xFF) == b->type;
}
inline bool TisType(const _Dtile* t, int k) {
  return t->type == k || t->type == (k & 0xFF) || k == (t->type & 0xFF);
}
void CSnetClash();  // reports "Net extraction error"
inline bool TisTaged(const _Dtile* t, long n) {
  if (!TisSolid(t) || t->node == n) return true;
  if (t->node > 0 && n > 0) CSnetClash();
  return false;
}
bool TisInfinit(const _Dtile* t);
bool LeftToArea(const _Dtile* t, const _box* box);
bool BelowToArea(const _Dtile* t, const _box* box);
bool RightEdgeInArea(const _Dtile* t, const _box* box);
bool Horizon(const _points* a, const _points* b);
bool Vertical(const _points* a, const _points* b);
bool Left(const _points* a, const _points* b);
bool Right(const _points* a, const _points* b);
bool Upper(const _points* a, const _points* b);
bool Lower(const _points* a, const _points* b);

// ---- plane lookup -------------------------------------------------------------------
int DnoLayerCS(const char* name);
_Dtile* NamedLayerTile(const char* name);
_Dtile* LayerTile(int number);
int DfindNumber(const char* name);

// ---- consistency checks (return the number of violations found) ----------------------
int CheckAll();
int Check1Layer(_Dtile* entry);
int CheckCurrent(_Dtile* tile);
int CheckAllNode();

// Building the planes from the layout (f.DCcrtCS, f.GCfreeCS, ...).
#include "cs/build.h"
