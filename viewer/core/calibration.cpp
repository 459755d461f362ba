#include "viewer/core/calibration.h"

#include <cmath>

#include "viewer/core/spectrum.h"

namespace ionvue {

double ForwardCalibration(const CalibrationModel& m, double t) {
  const double* a = m.a;
  if (!m.tof) return a[0] + a[1] * t;
  double root = a[0] + t * (a[1] + t * (a[2] + t * a[3]));
  return root * root;
}

namespace {

constexpr double kTolerance = 0.0005;

double Error(const double* a, double mz, double t) {
  double p = a[0] + t * (a[1] + t * (a[2] + t * a[3]));
  return std::fabs(p * p - mz);
}

}  // namespace

double InverseCalibration(const CalibrationModel& m, double mz) {
  const double* a = m.a;
  if (mz < 0) mz = 0;
  if (!m.tof) return (mz - a[0]) / a[1];

  double t;
  double root = std::sqrt(mz);
  if (a[2] != 0) {
    double d = a[1] * a[1] - 4 * a[2] * (a[0] - root);
    if (d < 0) d = 0;
    t = (std::sqrt(d) - a[1]) / (2 * a[2]);
  } else if (a[3] != 0) {
    t = 0;
  } else {
    t = (root - a[0]) / a[1];
  }
  if (!m.deTOF) return t;

  double e = Error(a, mz, t);
  if (e < kTolerance) return t;
  double h = m.timeBase;
  if (Error(a, mz, t + h) > e) h = -h;
  t += h;
  double best = t, bestError = Error(a, mz, t);
  double current = bestError;
  for (int step = 0; current > kTolerance && step < kInverseRefinementLimit; ++step) {
    double previous = current;
    t += h;
    current = Error(a, mz, t);
    if (current < bestError) {
      best = t;
      bestError = current;
    }
    if (current > previous && current > kTolerance) h = -0.1 * h;
    // Once the step no longer moves t the walk cannot improve.
    if (t + h == t) break;
  }
  return current <= kTolerance ? t : best;
}

}  // namespace ionvue
