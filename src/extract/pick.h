// Finding the net under a picked point: the planes are searched in order for a
// solid tile with a net.
#pragma once

#include "cs/cs.h"

enum DExPickKind {
  DEX_PICK_NOT_READY,  // a plane without tiles ("CS structure not ready" reported)
  DEX_PICK_NO_PLANES,  // no planes at all
  DEX_PICK_SPACE,      // only space under the point
  DEX_PICK_NO_NET,     // solid material without a net
  DEX_PICK_NET         // a tile with a net
};

struct DExPick {
  DExPickKind kind;
  _Dtile* tile;
};

DExPick DExPickTile(long x, long y);

// The messages shared by the commands that pick an object (naming a terminal,
// showing and selecting a net): true when `pick` is a net tile to work on.
bool DExPickedObject(const DExPick& pick);
