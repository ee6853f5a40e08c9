// The formulas of the yield model, free of any drawing: layout area,
// sensitivity, defect size distribution, failure density, the trapezoidal
// integral and the clustered yield.
#pragma once

// Plane 0's frame in square microns (each coordinate divided by the layout
// units per micron); 0 without planes.
float DYlayoutArea();
// Critical area over layout area (0 for an empty layout).
float DYsensitivity(float x, float crit, float area);
// Defect size distribution: rising D0 x / X0^2 up to X0, then D0 X0^2 / x^3.
float DYsizeDistribution(float x, float X0, float D0);
// Failure density of a sensitivity point: S D0 X0^2 / x^3 (0 at x <= 0,
// where no defect exists).
float DYfailureDensity(float x, float S, float X0, float D0);
// Trapezoidal integral of the points in their order; 0 for fewer than two.
double DYcurArea(const float* xs, const float* ys, int n);
// Clustered yield at density D: Y0 / (1 + A D theta / alfa)^alfa.
float DYyieldAt(float D, float A, double theta, float Y0, float alfa);
