// Speed of the native codecs: LZARI expansion of a TOFDCS-sized body, and
// the sample stream of a 10,000,000-sample spectrum as the ROZIRO reader and
// writer use it.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "viewer/formats/compression.h"
#include "viewer/formats/lzari.h"

namespace {

using namespace ionvue;

constexpr std::size_t kSamples = 10'000'000;

// A MALDI-like trace: decaying matrix background, counting noise and a few
// hundred Gaussian peaks with isotope clusters.
const std::vector<int32_t>& MaldiSpectrum() {
  static const std::vector<int32_t> samples = [] {
    std::mt19937 rng(2001);
    std::normal_distribution<double> unit(0.0, 1.0);
    std::vector<double> trace(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) {
      double x = static_cast<double>(i) / kSamples;
      double baseline = 300.0 + 20000.0 * std::exp(-x * 12.0);
      trace[i] = baseline + std::sqrt(baseline) * unit(rng);
    }
    std::uniform_real_distribution<double> where(0.02, 0.98), height(500.0, 60000.0);
    for (int p = 0; p < 300; ++p) {
      double centre = where(rng) * kSamples, h = height(rng);
      for (int iso = 0; iso < 4; ++iso) {
        double c = centre + iso * 180.0, a = h * std::pow(0.6, iso);
        long from = std::max(0L, static_cast<long>(c - 200)), to =
                    std::min(static_cast<long>(kSamples) - 1, static_cast<long>(c + 200));
        for (long i = from; i <= to; ++i) trace[i] += a * std::exp(-std::pow((i - c) / 25.0, 2));
      }
    }
    std::vector<int32_t> out(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) out[i] = static_cast<int32_t>(trace[i]);
    return out;
  }();
  return samples;
}

const std::vector<uint8_t>& PackedSpectrum(GroupHeader header) {
  static std::vector<uint8_t> streams[2];
  auto& stream = streams[header == GroupHeader::kOneByte ? 0 : 1];
  if (stream.empty()) {
    const auto& raw = MaldiSpectrum();
    AppendSampleStream(raw.data(), raw.size(), true, 100, 20, 1, header, stream, nullptr);
  }
  return stream;
}

void BM_SampleStreamRead(benchmark::State& state) {
  const GroupHeader header = state.range(0) == 1 ? GroupHeader::kOneByte : GroupHeader::kFourByte;
  const auto& stream = PackedSpectrum(header);
  std::vector<int32_t> samples(kSamples);
  for (auto _ : state) {
    GroupReadResult r = DecodeSampleStream(stream, header, samples.data(), kSamples);
    benchmark::DoNotOptimize(r);
    benchmark::ClobberMemory();
  }
  if (samples != MaldiSpectrum()) state.SkipWithError("round trip differs");
  state.SetItemsProcessed(state.iterations() * kSamples);
  state.counters["stream_MB"] = stream.size() / 1e6;
}
BENCHMARK(BM_SampleStreamRead)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

// The reader's two-step form: groups into codes, then codes into samples.
void BM_SampleStreamReadTwoPass(benchmark::State& state) {
  const auto& stream = PackedSpectrum(GroupHeader::kOneByte);
  std::vector<int32_t> samples(kSamples);
  for (auto _ : state) {
    GroupReadResult r =
        UnpackGroups(stream, GroupHeader::kOneByte, AsCodes(samples.data()), kSamples);
    DecodeSamples(samples.data(), r.codes);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_SampleStreamReadTwoPass)->Unit(benchmark::kMillisecond);

// The writer: copy (bin), scale, encode, pack; lossless, and lossy with the
// default window and factor.
void BM_SampleStreamWrite(benchmark::State& state) {
  const bool lossless = state.range(0) == 1;
  const auto& raw = MaldiSpectrum();
  std::vector<uint8_t> stream;
  stream.reserve(kSamples * 2);
  for (auto _ : state) {
    stream.clear();
    AppendSampleStream(raw.data(), raw.size(), lossless, 100, 20, 1, GroupHeader::kOneByte,
                       stream, nullptr);
    benchmark::DoNotOptimize(stream.data());
  }
  state.SetItemsProcessed(state.iterations() * kSamples);
  state.counters["stream_MB"] = stream.size() / 1e6;
}
BENCHMARK(BM_SampleStreamWrite)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// --- LZARI ---------------------------------------------------------------------

constexpr std::size_t kTextBytes = 20'000'000;

// What a TOFDCS body expands to: identification and property text, then the
// four-byte-header groups of spectra, with label blocks between them.
const std::vector<uint8_t>& TofdcsLikeText() {
  static const std::vector<uint8_t> text = [] {
    std::string head =
        "TOFDCS 4.0 acquisition`__SPECTRUM_DESCRIPTION=BSA tryptic digest, CHCA matrix "
        "__SPECTRUM_NOTES=reflector on, delayed extraction 150 ns __SPECTRUM_TIMEBASE=0.002 ";
    std::vector<uint8_t> out(head.begin(), head.end());
    out.push_back(0xDB);
    const auto& stream = PackedSpectrum(GroupHeader::kFourByte);
    std::size_t at = 0;
    int label = 0;
    while (out.size() < kTextBytes) {
      std::size_t take = std::min<std::size_t>(200000, kTextBytes - out.size());
      if (at + take > stream.size()) at = 0;
      out.insert(out.end(), stream.begin() + at, stream.begin() + at + take);
      at += take;
      std::string labels = "1479.7954\n" + std::to_string(1000 + label++) + ".4213\nC\n120 4400\n0\n";
      out.insert(out.end(), labels.begin(), labels.end());
    }
    out.resize(kTextBytes);
    return out;
  }();
  return text;
}

const std::vector<uint8_t>& TofdcsLikeCode() {
  static const std::vector<uint8_t> code = LzariCompress(TofdcsLikeText());
  return code;
}

void BM_LzariExpand(benchmark::State& state) {
  const auto& code = TofdcsLikeCode();
  std::vector<uint8_t> out(kTextBytes);
  std::size_t steps = 0;
  lzari::Progress progress{[&] { ++steps; }, kTextBytes / 50};
  for (auto _ : state) {
    LzariExpand(code, out.data(), out.size(), progress);
    benchmark::ClobberMemory();
  }
  if (out != TofdcsLikeText()) state.SkipWithError("round trip differs");
  state.SetBytesProcessed(state.iterations() * kTextBytes);
  state.counters["code_MB"] = code.size() / 1e6;
}
BENCHMARK(BM_LzariExpand)->Unit(benchmark::kMillisecond);

// Plain text, the other kind of body: a small vocabulary in varied order.
void BM_LzariExpandText(benchmark::State& state) {
  static const std::vector<uint8_t> text = [] {
    const char* words[] = {"peptide ", "mass ",   "charge ", "spectrum ", "calibrant ",
                           "matrix ",  "tryptic ", "digest ", "1479.79 ", "2211.10 ",
                           "\r\n",     "ion ",     "laser ",  "shots ",    "reflector "};
    std::mt19937 rng(3);
    std::vector<uint8_t> out;
    while (out.size() < 4'000'000) {
      const char* w = words[rng() % 15];
      out.insert(out.end(), w, w + std::strlen(w));
    }
    return out;
  }();
  static const std::vector<uint8_t> code = LzariCompress(text);
  std::vector<uint8_t> out(text.size());
  for (auto _ : state) {
    LzariExpand(code, out.data(), out.size());
    benchmark::ClobberMemory();
  }
  if (out != text) state.SkipWithError("round trip differs");
  state.SetBytesProcessed(state.iterations() * text.size());
  state.counters["code_MB"] = code.size() / 1e6;
}
BENCHMARK(BM_LzariExpandText)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
