#include "display/show_flags.h"

short FsetHighlight = 1;
short FsetSelected = 1;
short FsetLabels = 1;

void DIsetInit() { FsetHighlight = FsetSelected = FsetLabels = 1; }
