// Transistor and net names drawn on the corner-stitched view.
#pragma once

struct _Gviewport;

// Each transistor's name at (x1 + 200, y1 + 200) of its gate tile.
void DisplayTranNames(_Gviewport* vp);
// Each net's name at the centre of the first tile of its tile list.
void DisplayNetNames(_Gviewport* vp);
// Both, as the view draws them after a fit.
void DExDisplayNames(_Gviewport* vp);
