// The frame and the two axes.

#include <algorithm>
#include <cmath>

#include "platform/settings.h"
#include "viewer/core/document.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/tick_step.h"
#include "viewer/view/view_fonts.h"

namespace ionvue {

namespace {

// Enough for any step the tick search can return on a finite range.
constexpr int kMaxTicks = 100000;

Pen FramePen(const CDisplayState& state) {
  Pen pen;
  pen.color = kBlack;
  pen.width = state.frameLineWidth * 20;
  pen.cap = Pen::Cap::Square;
  pen.join = Pen::Join::Bevel;
  return pen;
}

std::string MzTickText(double value, double step) {
  return Format(step < 10 ? "%.1f" : "%.0f", value);
}

}  // namespace

void RenderPass::SyncScale() {
  map.minimum = state.scale.minimum;
  map.span = state.scale.span;
}

void DrawFrameAndMzAxis(RenderPass& pass) {
  Canvas& c = pass.canvas;
  const PlotRect& r = pass.map.rect;
  const int32_t h = pass.state.axisHeight;

  c.SetPen(FramePen(pass.state));
  std::vector<Point> outline{{r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}};
  if (!pass.state.halfFrame) {
    outline.push_back({r.right, r.top});
    outline.push_back({r.left, r.top});
  }
  c.Polyline(outline);

  c.SetFont(AxisFont(pass.state));
  c.SetTextColor(kBlack);
  const double low = pass.map.low;
  const double step = TickStep(pass.map.width, kMzTickTarget);
  const double first = FirstTick(low, step);
  c.Text({(r.left + r.right) / 2, r.bottom - h / 2 - 50}, pass.state.mzTitle, TextAlign::TopCenter);
  c.Text({pass.map.MassToX(first), r.bottom - h / 4 - 50}, MzTickText(first, step),
         TextAlign::TopCenter);

  bool drawn = false;
  double last = first;
  int32_t lastX = r.left;
  for (int k = 0; k < kMaxTicks; ++k) {
    double value = first + k * step;
    if (!(value <= pass.high)) break;
    int32_t x = std::min(pass.map.MassToX(value), r.right);
    c.Line({x, r.bottom}, {x, r.bottom - h / 4});
    drawn = true;
    last = value;
    lastX = x;
  }
  if (drawn) c.Text({lastX, r.bottom - h / 2}, MzTickText(last, step), TextAlign::TopCenter);
}

bool DrawIntensityAxis(RenderPass& pass) {
  Canvas& c = pass.canvas;
  const PlotRect& r = pass.map.rect;
  const int32_t h = pass.state.axisHeight;

  c.SetPen(FramePen(pass.state));
  c.SetTextColor(kBlack);
  c.SetFont(VerticalAxisFont(pass.state, pass.target()));
  c.Text({r.left - TruncTwips(h * 2.5), (r.top + r.bottom) / 2}, pass.state.intensityTitle,
         TextAlign::TopCenter);
  c.SetFont(AxisFont(pass.state));

  const int shots = AxisShots(pass.doc.GetSpectrum().m_nShots);
  const double range = pass.state.scale.span * 0.9090909090909091 / (shots * kAxisUnit);
  const double step = TickStep(range, kIntensityTickTarget);
  const int32_t pitch = TruncTwips(static_cast<double>(r.bottom - r.top) * (step / range) * -0.9);
  if (pitch < 0 || range < 0) return false;

  int32_t y = r.bottom, lastY = r.bottom;
  double value = 0, lastValue = 0;
  bool drawn = false;
  // A pitch of 0 (a range too wide for the plot height) would never climb.
  for (int k = 0; k < kMaxTicks && y < r.top - h / 2; ++k) {
    c.Line({r.left, y}, {r.left - h / 4, y});
    lastValue = value;
    lastY = y;
    drawn = true;
    value += step;
    if (pitch == 0) break;
    y += pitch;
  }
  if (drawn)
    c.Text({r.left - h / 2, lastY + h / 2}, Format(step <= 1 ? "%.2lf" : "%.0lf", lastValue),
           TextAlign::TopRight);
  c.Text({r.left - h / 2, r.bottom + h / 2}, "0", TextAlign::TopRight);

  if (pass.screen()) {
    c.SetPen(Pen{kBlack, 0});
    Point end[] = {{r.right + 100, r.bottom - h / 2},
                   {r.right + 100 + h / 2, r.bottom - h / 2},
                   {r.right + 100 + h / 2, r.bottom - 10}};
    c.Polygon(end, 3, kBlack);
  }
  return true;
}

}  // namespace ionvue
