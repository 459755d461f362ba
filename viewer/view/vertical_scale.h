#pragma once
// The vertical scale of the plot: the intensity range of the displayed bins
// and the span the plot height stands for.

#include <cstdint>

namespace ionvue {

// Axis units are intensity / (shots x 2.55).
inline constexpr double kAxisUnit = 2.55;
inline constexpr double kFixedUnit = 2.805;  // 2.55 x 1.1, the headroom of an automatic scale

struct VerticalScale {
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t fixedMaximum = 0;  // in axis units
  bool fixed = false;        // Set intensity range is on
  double span = 1.0;         // intensity units over the plot height
};

// Shots as the axis units divide by them: a spectrum that claims no shots
// (or fewer) is scaled as one shot, so its axis stays finite.
int AxisShots(int shots);

// Scans the bins from the first at or above low through the first above
// high and sets the scale from them (or from the fixed maximum).
void ComputeVerticalScale(VerticalScale& scale, const double* mz, const int32_t* intensity,
                          int count, double low, double high, int shots);

}  // namespace ionvue
