// Helpers shared by the plane files; not part of the public interface.
#pragma once
#include "cs/cs.h"

// The eight frame tiles of the plane that `entry` belongs to.
void CSframeTiles(_Dtile* entry, _Dtile* frame[8]);
// Frees every tile of the plane, frame included (and their contact lists when
// withLinks). Leaves Stitch null.
void CSdropPlane(_Dtile* entry, bool withLinks);
// A tile merged away: globals that pointed at it move to the tile that absorbed it.
void CSretireTile(_Dtile* gone, _Dtile* heir);
// The global cursors saved while an explicit-plane operation runs (innermost
// first); a merge moves them along like the globals.
struct CSsavedCursor {
  _Dtile** slot;
  CSsavedCursor* outer;
};
extern CSsavedCursor* CSsavedCursors;
// Vertical cut at x (new right part) and horizontal cut at y (new upper part):
// the stitching shared by carving and splitting. `fresh` is the new tile with
// its own fields already set; the cut fills its coordinates and stitches.
void CScutVertical(_Dtile* old, long x, _Dtile* fresh);
void CScutHorizontal(_Dtile* old, long y, _Dtile* fresh);
// Frees every plane of the table (tiles, contact lists, highlight lists) and
// empties the table; pins lose their tiles.
void CSdiscardPlanes();
// The first solid tile that AreaEnum lists for the box in the plane Stitch
// is in, or null when the box is all space.
_Dtile* CSfirstSolid(long x1, long y1, long x2, long y2);
