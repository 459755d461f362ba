// The spectrum traces: the view's own document and any overlaid ones, each
// in its band of the plot height.

#include <algorithm>

#include "viewer/core/document.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/screen_bins.h"
#include "viewer/view/view_fonts.h"

namespace ionvue {

namespace {

struct Bins {
  const double* mz;
  const int32_t* intensity;
  int count;
};

Bins OwnBins(CIonvueDoc& doc) {
  int count =
      std::clamp(doc.m_nScreenBins, 0,
                 static_cast<int>(std::min(doc.m_dScreenMz.size(), doc.m_nScreenIntensity.size())));
  return {doc.m_dScreenMz.data(), doc.m_nScreenIntensity.data(), count};
}

Bins OverlayBins(RenderPass& pass, CIonvueDoc& doc) {
  CDisplayState& st = pass.state;
  if (!doc.IsLoaded()) return {st.traceMz.data(), st.traceIntensity.data(), 0};
  const int capacity = std::max(pass.doc.m_nPointsPlottedOnScreen, 1);
  st.traceMz.resize(capacity);
  st.traceIntensity.resize(capacity);
  BinResult bins = BinSpectrum(doc.GetSpectrum(), pass.map.low, pass.high, -1, capacity,
                               st.traceMz.data(), st.traceIntensity.data());
  return {st.traceMz.data(), st.traceIntensity.data(), bins.count};
}

void Rescale(RenderPass& pass, const Bins& bins, const CIonvueDoc& doc) {
  ComputeVerticalScale(pass.state.scale, bins.mz, bins.intensity, bins.count, pass.map.low,
                       pass.high, doc.GetSpectrum().m_nShots);
  pass.SyncScale();
}

}  // namespace

void DrawTraces(RenderPass& pass) {
  Canvas& c = pass.canvas;
  CDisplayState& st = pass.state;
  const PlotRect& r = pass.map.rect;
  const int n = static_cast<int>(st.traces.size());
  if (n == 0) return;
  const int32_t band = (r.top - r.bottom) / n;
  int32_t nameHeight = 0;
  if (n > 1) {
    c.SetFont(AxisFont(st));
    nameHeight = c.TextExtent("W").height;
  }

  for (int i = 0; i < n; ++i) {
    CIonvueDoc& doc = *st.traces[i];
    Bins bins = i == 0 ? OwnBins(doc) : OverlayBins(pass, doc);
    if (i > 0) Rescale(pass, bins, doc);

    Pen pen;
    pen.width = st.spectrumLineWidth * (pass.printing() ? 20 : 10);
    pen.color = i == 0 || pass.printing() ? kBlack : kDarkRed;
    c.SetPen(pen);

    // Bins below the range are skipped; the first bin beyond it closes the
    // line at the plot's edge.
    st.points.clear();
    int k = 0;
    while (k < bins.count && bins.mz[k] < pass.map.low) ++k;
    for (; k < bins.count; ++k) {
      const double mz = bins.mz[k];
      int32_t y = pass.map.IntensityToY(bins.intensity[k], mz);
      y = (y - r.bottom) / n + band * i + r.bottom;
      st.points.push_back({pass.map.MassToX(mz), y});
      if (mz > pass.high) break;
    }
    if (st.points.size() > 1) c.Polyline(st.points);

    if (n > 1) {
      c.SetTextColor(i > 0 && !pass.printing() ? kRed : kBlack);
      c.Text({r.right + nameHeight / 5, nameHeight + band * i + r.bottom}, doc.m_strTitle,
             TextAlign::TopLeft);
    }
  }
  if (n > 1) Rescale(pass, OwnBins(pass.doc), pass.doc);
  c.SetTextColor(kBlack);
}

}  // namespace ionvue
