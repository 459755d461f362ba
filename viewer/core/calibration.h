#pragma once
// The calibration equations: flight time to m/z and back.
// Linear: m/z = a0 + a1·t. Flight time: m/z = (a0 + a1·t + a2·t² + a3·t³)².

namespace ionvue {

struct CalibrationModel {
  const double* a;  // a0..a3
  int tof;
  int deTOF;
  double timeBase;  // the refinement's first step
};

double ForwardCalibration(const CalibrationModel& model, double t);
// Closed form where there is one; under deTOF a bounded walk refines it.
double InverseCalibration(const CalibrationModel& model, double mz);

}  // namespace ionvue
