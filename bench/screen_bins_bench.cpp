// Screen bins of a 10,000,000-sample spectrum over its full range, beside a
// plain pass that reads the same samples once, in the same run; and the
// view's own share of a redraw of such a plot (a canvas that draws nothing).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/core/document.h"
#include "viewer/core/spectrum.h"
#include "viewer/view/ionvue_view.h"
#include "viewer/view/screen_bins.h"

namespace {

constexpr int kSamples = 10'000'000;
constexpr int kBins = 2000;

// A flight-time spectrum: noise with a few tall narrow peaks.
void Fill(ionvue::CSpectrum* s) {
  if (!s->Resize(kSamples)) std::abort();
  std::mt19937 random(10);
  for (int i = 0; i < kSamples; ++i) s->m_pData[i] = 1 + static_cast<int32_t>(random() % 200);
  for (int i = 0; i < kSamples; i += 100003) s->m_pData[i] = 50000;
  s->m_bTOF = 1;
  s->m_bDeTOF = 0;
  s->m_dA[0] = 0.5;
  s->m_dA[1] = 0.9;
  s->m_dA[2] = s->m_dA[3] = 0;
  s->m_dTimeBase = 0.004;
  s->m_nOffset = 1000;
}

// The settings the document and view read and write go to a scratch folder,
// removed at exit (after every static that writes settings is gone).
const std::string& ScratchFolder() {
  static const std::string folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ionvue-bins-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

void UseScratchSettings() {
  static const bool once = [] {
    ::setenv("IONVUE_CONFIG_DIR", ScratchFolder().c_str(), 1);
    ionvue::ReopenSettings();
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(ScratchFolder(), ec);
    });
    return true;
  }();
  (void)once;
}

const ionvue::CSpectrum& Spectrum() {
  static std::unique_ptr<ionvue::CSpectrum> spectrum = [] {
    UseScratchSettings();
    auto s = std::make_unique<ionvue::CSpectrum>();
    Fill(s.get());
    return s;
  }();
  return *spectrum;
}

class NullCanvas : public ionvue::Canvas {
 public:
  Target target() const override { return Target::Screen; }
  void SetPen(const ionvue::Pen&) override {}
  void SetFont(const ionvue::Font& font) override { height_ = std::abs(font.height); }
  void SetTextColor(const ionvue::Color&) override {}
  void Line(ionvue::Point, ionvue::Point) override { ++calls; }
  void Polyline(const ionvue::Point*, size_t count) override { points += count; }
  void Polygon(const ionvue::Point*, size_t, const ionvue::Color&) override { ++calls; }
  void Rectangle(ionvue::Point, ionvue::Point, const ionvue::Color&) override { ++calls; }
  void Text(ionvue::Point, const std::string&, ionvue::TextAlign) override { ++calls; }
  ionvue::TextSize TextExtent(const std::string& text) override {
    return {static_cast<int32_t>(text.size()) * height_ / 2, height_};
  }
  size_t calls = 0, points = 0;

 private:
  int32_t height_ = 240;
};

// A window of the spectrum with 1000 labels, drawn afresh (`rebin`) as after
// a zoom, or repainted unchanged.
void Redraw(benchmark::State& state, bool rebin) {
  UseScratchSettings();
  ionvue::ScriptedHost host;
  ionvue::DocumentServices services;
  ionvue::CIonvueDoc doc(host, services);
  Fill(&doc.GetSpectrum());
  doc.m_bLoaded = true;
  doc.SetModifiedFlag(true);
  auto range = doc.GetSpectrum().FullRange();
  for (int i = 0; i < 1000; ++i) {
    ionvue::CLabel label;
    label.mass = range.first + (range.second - range.first) * (i + 0.5) / 1000;
    label.SetText("1234.5");
    doc.GetSpectrum().AddLabel(label);
  }
  ionvue::ViewContext context;
  ionvue::CIonvueView view(doc, context);
  view.OnInitialUpdate();
  NullCanvas canvas;
  view.OnDraw(canvas);
  for (auto _ : state) {
    if (rebin) view.RequestAutoBinning();
    canvas.points = 0;
    view.OnDraw(canvas);
    host.ClearEvents();
  }
  state.counters["points"] = static_cast<double>(canvas.points);
}

void BM_RedrawRebinned(benchmark::State& state) { Redraw(state, true); }
void BM_RepaintUnchanged(benchmark::State& state) { Redraw(state, false); }

void BM_ScreenBinsFullRange(benchmark::State& state) {
  const ionvue::CSpectrum& s = Spectrum();
  const auto range = s.FullRange();
  std::vector<double> mz(kBins);
  std::vector<int32_t> intensity(kBins);
  int bins = 0;
  for (auto _ : state) {
    ionvue::BinResult r =
        ionvue::BinSpectrum(s, range.first, range.second, -1, kBins, mz.data(), intensity.data());
    bins = r.count;
    benchmark::DoNotOptimize(intensity.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{kSamples} * 4);
  state.counters["bins"] = bins;
}

// The floor: every sample read once, the largest kept.
void BM_PlainPass(benchmark::State& state) {
  const int32_t* data = Spectrum().m_pData.get();
  for (auto _ : state) {
    int32_t largest = 0;
    for (int i = 0; i < kSamples; ++i) largest = data[i] > largest ? data[i] : largest;
    benchmark::DoNotOptimize(largest);
  }
  state.SetBytesProcessed(state.iterations() * int64_t{kSamples} * 4);
}

BENCHMARK(BM_ScreenBinsFullRange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawRebinned)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintUnchanged)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
