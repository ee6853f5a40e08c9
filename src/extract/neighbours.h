// The neighbour walk of the extractors: right side top to bottom, left side
// bottom to top, top side right to left, bottom side left to right.
#pragma once

#include "cs/cs.h"

template <class Visit>
void DExVisitNeighbours(_Dtile* tile, Visit visit) {
  long right = TileRight(tile), top = TileTop(tile);
  for (_Dtile* nb = tile->tr; nb && TileTop(nb) > tile->y1; nb = nb->lb) visit(nb);
  for (_Dtile* nb = tile->bl; nb && nb->y1 < top; nb = nb->rt) visit(nb);
  for (_Dtile* nb = tile->rt; nb && TileRight(nb) > tile->x1; nb = nb->bl) visit(nb);
  for (_Dtile* nb = tile->lb; nb && nb->x1 < right; nb = nb->tr) visit(nb);
}
