#pragma once
// Axis tick spacing: the 1-2-5 step that puts about ten ticks on a range.

namespace ionvue {

// The m/z axis aims at 10.01 ticks so that exactly ten fit; the intensity
// axis at 10.
inline constexpr double kMzTickTarget = 10 + 0.01;
inline constexpr double kIntensityTickTarget = 10;

// The first of 0.01, 0.02, 0.05, 0.1, 0.2, ... for which width / step falls
// below `target` (at a power of ten, reaching it is enough).
double TickStep(double width, double target);
// The first multiple of `step` above `low`.
double FirstTick(double low, double step);

}  // namespace ionvue
