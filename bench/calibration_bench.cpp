// Inverse calibration of 1,000,000 masses under each model.

#include <benchmark/benchmark.h>

#include <vector>

#include "viewer/core/calibration.h"

namespace {

std::vector<double> Masses() {
  std::vector<double> masses(1000000);
  for (size_t i = 0; i < masses.size(); ++i) masses[i] = 500.0 + 3500.0 * i / masses.size();
  return masses;
}

void Run(benchmark::State& state, const ionvue::CalibrationModel& model) {
  std::vector<double> masses = Masses();
  for (auto _ : state) {
    double sum = 0;
    for (double m : masses) sum += ionvue::InverseCalibration(model, m);
    benchmark::DoNotOptimize(sum);
  }
  state.counters["masses_per_s"] = benchmark::Counter(
      static_cast<double>(masses.size()) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_InverseLinear(benchmark::State& state) {
  static const double a[4] = {100.0, 2.0, 0, 0};
  Run(state, {a, 0, 0, 0.0005});
}
BENCHMARK(BM_InverseLinear)->Unit(benchmark::kMillisecond);

void BM_InverseTof(benchmark::State& state) {
  static const double a[4] = {0.01, 1.5811, 0, 0};
  Run(state, {a, 1, 0, 0.0005});
}
BENCHMARK(BM_InverseTof)->Unit(benchmark::kMillisecond);

// A quadratic term solved in closed form, then a cubic one the refinement
// walks out, as a deTOF calibration from four calibrants does.
void BM_InverseDeTofRefined(benchmark::State& state) {
  static const double a[4] = {0.01, 1.5811, 2e-4, 1e-7};
  Run(state, {a, 1, 1, 0.0005});
}
BENCHMARK(BM_InverseDeTofRefined)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
