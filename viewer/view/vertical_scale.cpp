#include "viewer/view/vertical_scale.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace ionvue {

namespace {

int32_t ToInt32(double v) {
  if (!(v > INT32_MIN)) return INT32_MIN;
  if (v > INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(v);
}

}  // namespace

int AxisShots(int shots) { return shots > 0 ? shots : 1; }

void ComputeVerticalScale(VerticalScale& scale, const double* mz, const int32_t* intensity,
                          int count, double low, double high, int shots) {
  int i = 0;
  while (i < count && mz[i] < low) ++i;
  int32_t minimum = INT32_MAX, maximum = INT32_MIN;
  for (; i < count; ++i) {
    minimum = std::min(minimum, intensity[i]);
    maximum = std::max(maximum, intensity[i]);
    if (mz[i] > high) break;
  }
  if (minimum > maximum) minimum = maximum = 0;  // no bin in range
  scale.minimum = minimum;
  scale.maximum = maximum;

  const double units = AxisShots(shots) * kFixedUnit;
  if (scale.fixed) {
    scale.maximum = scale.fixedMaximum;
    scale.span = std::trunc(units * scale.fixedMaximum);
  } else {
    // In double: a sample range wider than int32 must not wrap negative.
    scale.span = (static_cast<double>(maximum) - minimum) * 1.1;
    scale.fixedMaximum = ToInt32(std::trunc(scale.span / units));
  }
  if (scale.span == 0) scale.span = 1.0;
}

}  // namespace ionvue
