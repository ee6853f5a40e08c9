// The plotting commands of the yield analysis: defect size distribution,
// failure density with the probability of failure, yield against defect
// density, and the sensitivity series; each draws in the pop-up window.
#pragma once

int DYdx();
int DYCarea();
int DYpof();
int DYyx();
// The pop-up's expose redraw: the plot it shows, again.
void DYpopup();

void DYdrawDX(int layer);
void DYdrawDXcurve(float X0, float D0, float step, float xmax);
// The probability of failure of the last f.DYpof.
double DYlastPof();
// Forgets the defect-density curve and the plot scales (part of DYinit).
void DYresetPlots();
