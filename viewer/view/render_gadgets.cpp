// The two gadgets drawn on screen only: the range bar above the plot and
// the missed-cleavage slider right of it.

#include <algorithm>
#include <cmath>

#include "platform/settings.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/view_fonts.h"

namespace ionvue {

int32_t RangeBarX(const PlotRect& r, double fullLow, double fullHigh, double mz) {
  const double width = fullHigh - fullLow;
  if (width == 0) return r.left;
  return TruncTwips(r.left + std::trunc((mz - fullLow) / width * r.Width()));
}

void DrawRangeBar(RenderPass& pass) {
  Canvas& c = pass.canvas;
  const PlotRect& r = pass.map.rect;
  const int32_t h = pass.state.axisHeight;
  const int32_t y = kRangeBarY;
  const int32_t a =
      std::clamp(RangeBarX(r, pass.fullLow, pass.fullHigh, pass.map.low), r.left, r.right);
  const int32_t b =
      std::clamp(RangeBarX(r, pass.fullLow, pass.fullHigh, pass.high), r.left, r.right);

  Pen pen;
  pen.width = 30;
  pen.cap = Pen::Cap::Square;
  pen.color = kBlack;
  c.SetPen(pen);
  c.Line({r.left, y}, {a, y});
  c.Line({b, y}, {r.right, y});
  c.Line({r.left, y}, {r.left, y - 60});
  c.Line({r.right, y}, {r.right, y - 60});
  pen.color = kRed;
  c.SetPen(pen);
  c.Line({a, y}, {b, y});

  c.SetFont(AxisFont(pass.state));
  c.SetTextColor(kBlack);
  c.Text({r.left, y - h / 2}, Format("%.0f", pass.fullLow), TextAlign::TopCenter);
  c.Text({r.right, y - h / 2}, Format("%.0f", pass.fullHigh), TextAlign::TopCenter);

  c.SetPen(Pen{kBlue, 0});
  for (int32_t x : {a, b}) {
    Point handle[] = {{x, y}, {x - h / 4, y - h / 2}, {x + h / 4, y - h / 2}};
    c.Polygon(handle, 3, kBlue);
  }
}

void DrawSlider(RenderPass& pass, int levels) {
  Canvas& c = pass.canvas;
  CDisplayState& st = pass.state;
  const PlotRect& r = pass.map.rect;
  const int32_t h = st.axisHeight;
  const int count = std::max(levels, 1);
  st.missedCleavageLevel = std::clamp(st.missedCleavageLevel, 1, count);
  const int32_t x = r.right + kSliderOffset;
  const int32_t step = count > 1 ? (r.top - r.bottom) / (count - 1) : 0;
  const int32_t marker = r.bottom + step * (st.missedCleavageLevel - 1);

  c.SetPen(Pen{kNavy, 0});
  c.Line({x, r.bottom}, {x, r.top});
  c.Line({x - h / 4, r.bottom}, {x + h / 4, r.bottom});
  c.Line({x - h / 4, r.top}, {x + h / 4, r.top});
  c.SetFont(AxisFont(st));
  c.SetTextColor(kNavy);
  c.Text({x + h, r.bottom}, "0", TextAlign::TopLeft);
  c.Text({x + h, r.top}, Format("%i", count - 1), TextAlign::TopLeft);

  c.SetTextColor(kRed);
  c.Text({x - h / 4, marker}, Format("%i", st.missedCleavageLevel - 1), TextAlign::TopRight);
  c.SetPen(Pen{kRed, 0});
  Point triangle[] = {{x, marker}, {x + h / 2, marker + h / 4}, {x + h / 2, marker - h / 4}};
  c.Polygon(triangle, 3, kRed);
  c.SetTextColor(kBlack);
}

}  // namespace ionvue
