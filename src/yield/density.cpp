#include "yield/density.h"

float Fdensity[3] = {100.0f, 2000.0f, 100.0f};
