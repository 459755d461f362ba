#pragma once
// The conversions between m/z, intensity and plot twips that drawing, mouse
// work and labels share.

#include <cstdint>

#include "viewer/view/plot_geometry.h"

namespace ionvue {

struct VerticalExpansion {
  double factor = 1.0;
  double low = 0, high = 0;  // m/z window; a low of -1000 means not yet chosen
  bool active = false;
};

struct PlotMapping {
  PlotRect rect;
  double low = 0;       // displayed low m/z
  double width = 0;     // displayed high minus low
  int32_t minimum = 0;  // intensity at the bottom of the plot
  double span = 1.0;    // intensity over the plot height
  VerticalExpansion expansion;

  // x = left + trunc((m - low) / width x (right - left)).
  int32_t MassToX(double mz) const;
  // m = low + width / (right - left) x (x - left).
  double XToMass(double x) const;
  // y = bottom - trunc(h), h = (I - minimum) x (bottom - top) / span, times
  // the expansion factor inside the expanded window; never above top or 0.
  int32_t IntensityToY(double intensity, double mz) const;
};

// Twips from a real, truncated toward zero and kept inside int32.
int32_t TruncTwips(double v);

}  // namespace ionvue
