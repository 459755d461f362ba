#include "viewer/view/tick_step.h"

#include <cmath>

namespace ionvue {

double TickStep(double width, double target) {
  double step = 0.01;
  // A range without a finite width (a scale gone wrong) has no better step.
  if (!std::isfinite(width) || width * 100 <= target) return step;
  for (;;) {
    step *= 2;
    if (width / step < target) break;
    step *= 2.5;
    if (width / step < target) break;
    step *= 2;
    if (width / step <= target) break;
  }
  return step;
}

double FirstTick(double low, double step) { return (std::floor(low / step - 0.001) + 1) * step; }

}  // namespace ionvue
