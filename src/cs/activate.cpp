// Switching the main view to the corner-stitched planes.
#include "common/layout.h"
#include "common/message.h"
#include "cs/build.h"
#include "cs/cs.h"

int GCactivateCS() {
  if (DlayerNum < 1 || !DlayerTile[0].layertile) {
    GCmessage(GC_MOD_COMMON, 'M', "No corner stitch layout is available");
    return 0;
  }
  DworkingMode = 9;
  GCmessage(GC_MOD_COMMON, 'M', "Corner stitch layout is activated");
  return 1;
}
