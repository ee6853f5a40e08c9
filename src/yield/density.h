// Defect density range of the yield curve (minimum, maximum, step), set by DYinit and the forms.
#pragma once

extern float Fdensity[3];
