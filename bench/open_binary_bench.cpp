// Opening a 10,000,000-sample 32-bit binary file (40 MB) with the binary
// importer, beside one fread of the same file into a buffer.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "viewer/core/spectrum.h"
#include "viewer/importers/binary_importer.h"

namespace {

constexpr int kSamples = 10000000;
constexpr std::size_t kFileBytes = std::size_t{kSamples} * 4;

// The file and a settings folder of its own, so the spectrum's settings
// never touch the user's store.
class BenchFiles {
 public:
  BenchFiles() {
    dir_ = std::filesystem::temp_directory_path() /
           ("ionvue-open-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    ::setenv("IONVUE_CONFIG_DIR", dir_.c_str(), 1);
    path_ = (dir_ / "raw.dat").string();
    std::mt19937 generator(32);
    std::uniform_int_distribution<int32_t> value(-1000, 1000000);
    std::vector<int32_t> words(kSamples);
    for (auto& w : words) w = value(generator);
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(words.data()),
              static_cast<std::streamsize>(kFileBytes));
  }
  ~BenchFiles() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::string path_;
};

const BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

void BM_BinaryImporter32Bit(benchmark::State& state) {
  const std::string& path = Files().path();
  ionvue::ScriptedHost host;
  ionvue::CSpectrum spectrum;
  for (auto _ : state) {
    const int code = ionvue::CBinaryImporter(host).Load(path, spectrum, kSamples, 4, false);
    if (code != 1 || spectrum.m_nLength != kSamples) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(spectrum.m_pData.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFileBytes);
}
BENCHMARK(BM_BinaryImporter32Bit)->Unit(benchmark::kMillisecond)->UseRealTime();

// The reference: one fread of the whole file into a buffer that exists.
void BM_FreadWholeFile(benchmark::State& state) {
  const std::string& path = Files().path();
  std::vector<char> buffer(kFileBytes);
  for (auto _ : state) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
      state.SkipWithError("open failed");
      break;
    }
    const std::size_t got = std::fread(buffer.data(), 1, kFileBytes, file);
    std::fclose(file);
    if (got != kFileBytes) state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFileBytes);
}
BENCHMARK(BM_FreadWholeFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same fread into a buffer allocated for each read, as a spectrum's
// samples are.
void BM_FreadWholeFileFreshBuffer(benchmark::State& state) {
  const std::string& path = Files().path();
  for (auto _ : state) {
    std::unique_ptr<char[]> buffer(new char[kFileBytes]);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
      state.SkipWithError("open failed");
      break;
    }
    const std::size_t got = std::fread(buffer.get(), 1, kFileBytes, file);
    std::fclose(file);
    if (got != kFileBytes) state.SkipWithError("short read");
    benchmark::DoNotOptimize(buffer.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFileBytes);
}
BENCHMARK(BM_FreadWholeFileFreshBuffer)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
