#include "viewer/view/plot_mapping.h"

#include <algorithm>
#include <cmath>

namespace ionvue {

int32_t TruncTwips(double v) {
  if (!(v > -1e9)) return -1000000000;  // NaN lands here too
  if (v > 1e9) return 1000000000;
  return static_cast<int32_t>(v);
}

int32_t PlotMapping::MassToX(double mz) const {
  if (width == 0) return rect.left;  // a spectrum of one sample has no width
  return TruncTwips(rect.left + std::trunc((mz - low) / width * rect.Width()));
}

double PlotMapping::XToMass(double x) const { return low + width / rect.Width() * (x - rect.left); }

int32_t PlotMapping::IntensityToY(double intensity, double mz) const {
  double h = (intensity - minimum) * static_cast<double>(rect.bottom - rect.top) / span;
  if (expansion.active && mz >= expansion.low && mz <= expansion.high) h *= expansion.factor;
  int32_t y = TruncTwips(rect.bottom - std::trunc(h));
  return std::min({y, rect.top, int32_t{0}});
}

}  // namespace ionvue
