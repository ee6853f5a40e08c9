// Global scale variables: internal units per grid unit, micrometres per CIF unit.
#pragma once

extern long INITSCALE;       // 40, never changed
extern long ENV_SCALE;       // GlobalScale setting
extern long theGlobalScale;  // INITSCALE * ENV_SCALE
extern long SCALE;           // factor applied to every CIF number
extern double CIF_FACTOR;    // 0.01 micrometres per CIF unit
extern long CIF_RATIO_A;     // current DS scale numerator
extern long CIF_RATIO_B;     // current DS scale denominator
extern double LAMBDA_T1;     // grid of the input technology (um)
extern double LAMBDA_T2;     // grid of the target technology (um)

// Defect-size settings, in internal units (filled by DItechInit).
extern long theMinDefectSize;
extern long theMaxDefectSize;
extern long theStep;

inline constexpr long GC_INFINITY = 1073741823;

void GCresetScale();
