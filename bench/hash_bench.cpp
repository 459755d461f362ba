// The file authentication value of a 64 MiB file, beside rhash's Snefru-128
// of the same file in the same run.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "viewer/formats/file_hash.h"

namespace {

constexpr std::size_t kFileBytes = std::size_t{64} << 20;

class BenchFile {
 public:
  BenchFile() {
    path_ = (std::filesystem::temp_directory_path() /
             ("ionvue-hash-bench-" + std::to_string(::getpid()) + ".bin"))
                .string();
    std::mt19937_64 generator(64);
    std::vector<uint64_t> words(kFileBytes / sizeof(uint64_t));
    for (auto& w : words) w = generator();
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(words.data()),
              static_cast<std::streamsize>(kFileBytes));
  }
  ~BenchFile() {
    std::error_code ec;
    std::filesystem::remove(path_, ec);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// CPU seconds used by finished child processes so far; on a busy machine
// this compares more fairly with our own CPU time than the wall clock does.
double ChildCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

const BenchFile& File() {
  static BenchFile file;
  return file;
}

void BM_ComputeFileHash(benchmark::State& state) {
  const std::string& path = File().path();
  ionvue::ScriptedHost host;
  std::array<uint32_t, 4> value{};
  for (auto _ : state) {
    if (!ionvue::ComputeFileHash(host, path, value)) state.SkipWithError("hash failed");
    benchmark::DoNotOptimize(value);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
  state.SetLabel(ionvue::FormatHash(value));
}
BENCHMARK(BM_ComputeFileHash)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RhashSnefru128(benchmark::State& state) {
  if (std::system("command -v rhash >/dev/null 2>&1") != 0) {
    state.SkipWithError("rhash is not installed");
    return;
  }
  const std::string command = "rhash --snefru128 '" + File().path() + "'";
  std::string line;
  const double cpu_before = ChildCpuSeconds();
  for (auto _ : state) {
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
      state.SkipWithError("cannot start rhash");
      break;
    }
    char text[512] = {};
    if (std::fgets(text, sizeof text, pipe)) line = text;
    ::pclose(pipe);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
  state.counters["rhash_cpu_ms"] = benchmark::Counter(
      (ChildCpuSeconds() - cpu_before) * 1e3 / static_cast<double>(state.iterations()));
  state.SetLabel(line.substr(0, 32));
}
BENCHMARK(BM_RhashSnefru128)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
