// A full redraw of a spectrum window's page: the reduction of 10,000,000
// samples to screen bins, the vertical scale, axes, trace and range bar,
// painted through the QPainter canvas onto an offscreen 1600 x 1000 image.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "platform/scripted_host.h"
#include "platform/settings.h"
#include "viewer/app/painter_canvas.h"
#include "viewer/core/document.h"
#include "viewer/importers/standard_services.h"
#include "viewer/view/ionvue_view.h"

namespace {

using namespace ionvue;

struct Scene {
  ScriptedHost host;
  CIonvueDoc doc{host, StandardServices()};
  ViewContext context;
  std::unique_ptr<CIonvueView> view;
  QImage image{1600, 1000, QImage::Format_RGB32};

  Scene() {
    constexpr int n = 10'000'000;
    CSpectrum& s = doc.GetSpectrum();
    s.Resize(n);
    s.m_bTOF = 1;
    s.m_dA[0] = 0.5;
    s.m_dA[1] = 0.8;
    s.m_dA[2] = s.m_dA[3] = 0;
    s.m_dTimeBase = 0.001;
    uint32_t noise = 12345;
    for (int i = 0; i < n; ++i) {
      noise = noise * 1103515245u + 12345u;
      double v = 200 + (noise >> 24);
      const int peak = i % 250000;
      if (peak > 120000 && peak < 120040) v += 30000 * std::exp(-(peak - 120020) * (peak - 120020) / 40.0);
      s.m_pData[i] = static_cast<int32_t>(v);
    }
    doc.m_bLoaded = true;
    doc.SetModifiedFlag(true);
    view = std::make_unique<CIonvueView>(doc, context);
    view->OnInitialUpdate();
  }

  void Paint(bool freshBins) {
    if (freshBins) view->RequestAutoBinning();
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, Canvas::Target::Screen, 96, 96);
    view->OnDraw(canvas);
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

// What every zoom, replay or range-bar move costs.
void BM_FullRedraw(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.Paint(true);
  for (auto _ : state) {
    scene.Paint(true);
    benchmark::DoNotOptimize(scene.image.constBits());
  }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// A plain repaint (window uncovered, marker erased) reuses the bins.
void BM_Repaint(benchmark::State& state) {
  Scene& scene = TheScene();
  scene.Paint(true);
  for (auto _ : state) {
    scene.Paint(false);
    benchmark::DoNotOptimize(scene.image.constBits());
  }
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Nothing the bench draws may change the user's settings.
  Settings().SetReadOnly(true);
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
