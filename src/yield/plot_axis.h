// Axis ranges and ticks of the plots, chosen as common plotting tools do: the
// range is widened from the data to multiples of a round step (1, 2, 2.5 or 5
// times a power of ten) giving at most a handful of ticks, and starts at zero
// when the data lie close enough to it that a cut-off origin would mislead.
#pragma once

#include <string>

inline constexpr int DY_MAX_TICKS = 8;

struct DYaxisRange {
  double lo = 0.0;    // first tick, the axis start
  double hi = 1.0;    // last tick, the axis end
  double step = 0.1;  // distance of two ticks
  int ticks() const;  // number of ticks, both ends included
  double tick(int i) const;
};

// The range for data from `dataMin` to `dataMax` with at most `maxTicks`
// ticks (at least 3). Zero is included when all data have one sign and the
// nearest of them is within half the larger magnitude of it; a single value
// gets a small range around it.
DYaxisRange DYniceRange(double dataMin, double dataMax, int maxTicks = DY_MAX_TICKS);

// The power of ten the tick values are written in units of: 0 for ordinary
// ranges; for very small steps or large values the exponent of the largest
// magnitude, so that a failure density reads 0 2 4 6 "x 1e-05", not 2e-06 ...
int DYaxisPower(const DYaxisRange& axis);
// " (x 1e-05)" for such an axis, "" otherwise: appended to its title.
std::string DYaxisPowerSuffix(const DYaxisRange& axis);
// A tick value as written on the axis, in units of the axis power: as many
// decimals as the step needs; "0" for zero.
std::string DYtickLabel(const DYaxisRange& axis, int i);
