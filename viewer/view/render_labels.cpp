// Peak labels over the trace: placed afresh over their peak on screen and
// in the picture, at their stored place on paper.

#include <algorithm>

#include "viewer/core/document.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/view_fonts.h"

namespace ionvue {

namespace {

Color LabelColor(char type) {
  switch (type) {
    case 'M':
      return kNavy;
    case 'I':
      return kRed;
    default:
      return kBlack;
  }
}

// The largest bin from the first bin above p + w down to the last bin not
// below p - w; false when no bin lies above p + w.
bool PeakHeight(const CIonvueDoc& doc, double p, double w, int32_t& height) {
  const int count = std::min<int>(doc.m_nScreenBins, static_cast<int>(doc.m_dScreenMz.size()));
  const double* mz = doc.m_dScreenMz.data();
  int j = 0;
  while (j < count && !(mz[j] > p + w)) ++j;
  if (j >= count) return false;
  height = doc.m_nScreenIntensity[j];
  for (int k = j - 1; k >= 0 && mz[k] >= p - w; --k)
    height = std::max(height, doc.m_nScreenIntensity[k]);
  return true;
}

void PlaceOnScreen(RenderPass& pass, CLabel& label, int32_t px, int32_t py) {
  const PlotMapping& map = pass.map;
  const PlotRect& r = map.rect;
  const double p = label.mass + 1.0;
  double w = map.XToMass(map.MassToX(p) + 10) - p;
  if (w < 0.5) w = 1.75;
  if (label.type == 'A') w = 1.1;
  int32_t height = 0;
  if (!PeakHeight(pass.doc, p, w, height)) return;

  const TextSize size = pass.canvas.TextExtent(label.text);
  const int n = std::max<int>(static_cast<int>(pass.state.traces.size()), 1);
  const int32_t y0 = map.IntensityToY(height, p);
  const int32_t u = r.bottom + (y0 + 3 * py - r.bottom) / n;
  const int32_t x = map.MassToX(p);
  label.width = size.width;
  label.height = size.height;
  label.y = label.vertical ? u + 2 * py : u + size.height;
  if (label.vertical) {
    label.x = x - pass.state.axisHeight / 2;
    label.justify = 0;
  } else if (x + size.width < r.right) {
    label.x = x + 2 * px;
    label.justify = 0;
  } else {
    label.x = x - 2 * px;
    label.justify = 2;
  }
  pass.canvas.Text({label.x, label.y}, label.text,
                   label.justify == 2 ? TextAlign::TopRight : TextAlign::TopLeft);

  if (pass.massList.FindNear(label.mass, 0.1) < 0)
    pass.massList.Add({label.mass,
                       static_cast<double>(label.intensity > 0 ? label.intensity : height),
                       label.type, label.sn != 0 ? label.sn : -1});
}

void PlaceOnPaper(RenderPass& pass, const CLabel& label) {
  if (label.x == 0 && label.y == 0) return;  // never placed on screen
  pass.canvas.Text({label.x, label.y - kPrintShift}, label.text,
                   label.justify == 2 ? TextAlign::TopRight : TextAlign::TopLeft);
}

}  // namespace

void DrawLabels(RenderPass& pass) {
  Canvas& c = pass.canvas;
  const int32_t px = 1440 / std::max(c.PixelsPerInchX(), 1);
  const int32_t py = 1440 / std::max(c.PixelsPerInchY(), 1);
  const Font horizontal = LabelFont(pass.state);
  const Font vertical = VerticalLabelFont(pass.state, pass.target());
  for (CLabel& label : pass.doc.GetSpectrum().m_pLabels) {
    if (label.type == 'T' || !(label.mass > pass.map.low && label.mass < pass.high)) continue;
    c.SetTextColor(LabelColor(label.type));
    c.SetFont(label.vertical ? vertical : horizontal);
    if (pass.printing())
      PlaceOnPaper(pass, label);
    else
      PlaceOnScreen(pass, label, px, py);
  }
  c.SetTextColor(kBlack);
}

}  // namespace ionvue
