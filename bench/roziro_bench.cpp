// ROZIRO writing and reading of a 10,000,000-sample spectrum, and the size
// of the lossless example beside gzip -6 of its raw int32 samples.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/core/spectrum.h"
#include "viewer/formats/roziro_reader.h"
#include "viewer/formats/roziro_writer.h"

namespace {

constexpr int kSamples = 10000000;

std::string ScratchPath(const char* name) {
  return std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/" + name;
}

void FillMaldiLike(ionvue::CSpectrum& s, int n) {
  s.Resize(n);
  std::mt19937 random(7);
  std::normal_distribution<double> gauss(0.0, 1.0);
  for (int i = 0; i < n; ++i) {
    double base = 300.0 + 5000.0 * std::exp(-i / (n / 10.0));
    double peak = 0;
    int phase = i % 20011;
    if (phase < 40) peak = 30000.0 * std::exp(-0.5 * std::pow((phase - 20) / 4.0, 2));
    double value = base + peak;
    s.m_pData[i] = std::max(1, static_cast<int>(value + gauss(random) * std::sqrt(value)));
  }
}

void BM_WriteRoziro(benchmark::State& state) {
  ionvue::Settings().SetReadOnly(true);
  ionvue::ScriptedHost host;
  ionvue::CSpectrum s;
  FillMaldiLike(s, kSamples);
  std::string path = ScratchPath("ionvue-bench-write.roziro");
  for (auto _ : state) benchmark::DoNotOptimize(ionvue::WriteRoziro(host, s, path));
  state.counters["samples_per_s"] =
      benchmark::Counter(static_cast<double>(kSamples) * state.iterations(),
                         benchmark::Counter::kIsRate);
  std::remove(path.c_str());
}
BENCHMARK(BM_WriteRoziro)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadRoziro(benchmark::State& state) {
  ionvue::Settings().SetReadOnly(true);
  ionvue::ScriptedHost host;
  std::string path = ScratchPath("ionvue-bench-read.roziro");
  {
    ionvue::CSpectrum s;
    FillMaldiLike(s, kSamples);
    ionvue::WriteRoziro(host, s, path);
  }
  ionvue::CSpectrum target;
  for (auto _ : state) {
    ionvue::CRoziroImporter importer(host, nullptr);
    benchmark::DoNotOptimize(importer.Load(path, target));
  }
  if (target.m_nLength != kSamples) state.SkipWithError("wrong length read back");
  state.counters["samples_per_s"] =
      benchmark::Counter(static_cast<double>(kSamples) * state.iterations(),
                         benchmark::Counter::kIsRate);
  std::remove(path.c_str());
}
BENCHMARK(BM_ReadRoziro)->Unit(benchmark::kMillisecond)->UseRealTime();

// Sizes only: ROZIRO bytes of the example against gzip -6 of the same
// samples as raw little-endian int32.
void BM_ExampleSizeAgainstGzip(benchmark::State& state) {
  ionvue::Settings().SetReadOnly(true);
  ionvue::ScriptedHost host;
  ionvue::CSpectrum s;
  const char* example = std::getenv("IONVUE_EXAMPLE");
  std::string path = example ? example : "examples/myoglobin-digest.roziro";
  ionvue::CRoziroImporter importer(host, nullptr);
  if (importer.Load(path, s) != 1) {
    state.SkipWithError("example not found; run from the checkout or set IONVUE_EXAMPLE");
    return;
  }
  std::string raw = ScratchPath("ionvue-bench-raw.bin");
  FILE* out = std::fopen(raw.c_str(), "wb");
  std::fwrite(s.m_pData.get(), 4, s.m_nLength, out);
  std::fclose(out);
  double roziroBytes = 0, gzipBytes = 0;
  for (auto _ : state) {
    roziroBytes = static_cast<double>(ionvue::RoziroText(s, &host).size());
    std::string command = "gzip -6 -c " + raw + " | wc -c";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe) {
      long n = 0;
      if (std::fscanf(pipe, "%ld", &n) == 1) gzipBytes = static_cast<double>(n);
      pclose(pipe);
    }
  }
  state.counters["samples"] = s.m_nLength;
  state.counters["raw_int32_bytes"] = 4.0 * s.m_nLength;
  state.counters["roziro_bytes"] = roziroBytes;
  state.counters["gzip6_bytes"] = gzipBytes;
  std::remove(raw.c_str());
}
BENCHMARK(BM_ExampleSizeAgainstGzip)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
