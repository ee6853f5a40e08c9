// Critical-area planes: every plane has a companion plane in which the
// critical rectangles of the command in progress are unioned. A critical tile
// (solid, type 30) carries a fault record in `upper`; where rectangles of
// different faults overlap, the overlap is carved out and carries the merge.
#pragma once

#include "cs/cs.h"
#include "faultex/critical_area.h"

// How one kind of fault record behaves in a critical plane.
struct DFcritKind {
  // The record already covers what is being inserted: the overlap stays.
  bool (*same)(const void* existing, const void* incoming);
  // The record for an overlap (a new one owned by the tile), or null when the
  // two cannot be merged (the overlap then stays as it was).
  void* (*merge)(const void* existing, const void* incoming);
  // The record of a fresh critical tile.
  void* (*fresh)(const void* incoming);
  // Carving rules: pieces get their own copies, merged-away tiles release theirs.
  CScarveRecords carve;
  // Releases a tile's record.
  void (*release)(void* record);
};

// Inserts a critical rectangle carrying `incoming` into the critical plane
// that Stitch points into; `flag` is ORed into the `processed` of the tiles
// it covers. Returns the last tile touched (Stitch is left on it).
_Dtile* DFputCritical(const DFrect& rect, const DFcritKind& kind, const void* incoming, short flag);

// True for a tile of a critical plane that carries a fault.
inline bool DFisCritical(const _Dtile* t) { return t->type == 30 && t->upper; }

// The critical tiles of plane p's critical plane (whole plane, enumeration
// order); null when the plane is empty.
_Dtilelist* DFcriticalTiles(int plane);
// Frees every inner tile of plane p's critical plane (records through
// `release`, when given) and installs a fresh space tile.
void DFemptyCritical(int plane, void (*release)(void* record));
