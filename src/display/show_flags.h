// What the drawing shows besides the geometry: highlighted and selected tiles
// and the labels. The switch commands set these; the tile view and the net
// names read them.
#pragma once

extern short FsetHighlight;
extern short FsetSelected;
extern short FsetLabels;

// All three on (start-up).
void DIsetInit();
