#include "viewer/view/mouse_hit_zones.h"

#include <algorithm>
#include <cstdlib>

namespace ionvue {

namespace {

constexpr int32_t kRangeBar = -100;
constexpr int32_t kSliderGap = 300;

// Integer steps between slider levels; a slider of one level has none.
int32_t SliderStep(const PlotRect& plot, int levels) {
  if (levels < 2) return 0;
  return (plot.top - plot.bottom) / (levels - 1);
}

}  // namespace

bool InsidePlot(const PlotRect& plot, Point at) {
  return at.x >= plot.left && at.x <= plot.right && at.y >= plot.bottom && at.y <= plot.top;
}

int32_t SliderX(const PlotRect& plot) { return plot.right + kSliderGap; }

int32_t SliderMarkerY(const PlotRect& plot, int levels, int level) {
  level = std::clamp(level, 1, std::max(levels, 1));
  return plot.bottom + SliderStep(plot, levels) * (level - 1);
}

int SliderLevelAt(const PlotRect& plot, int levels, int32_t y) {
  if (levels < 2) return 1;
  // A plot lower than the number of levels would give a step of 0.
  const int32_t step = std::max<int32_t>(SliderStep(plot, levels), 1);
  const int level = (y - plot.bottom) / step + 1;
  return std::clamp(level, 1, levels);
}

double RangeBarMass(const PlotRect& plot, const MassRange& full, int32_t x) {
  const int32_t span = plot.right - plot.left;
  if (span <= 0) return full.low;
  const double s = full.low + (x - plot.left) * (full.high - full.low) / span;
  return std::clamp(s, std::min(full.low, full.high), std::max(full.low, full.high));
}

MouseGadget HitGadget(const GadgetLayout& g, Point at) {
  const PlotRect& r = g.plot;
  const int32_t quarter = g.axisHeight / 4;
  const int32_t half = g.axisHeight / 2;

  if (g.rangeBar) {
    const bool handleBand = at.y >= kRangeBar - half && at.y <= kRangeBar;
    if (handleBand && std::abs(at.x - g.barLowX) <= quarter) return MouseGadget::RangeBarLow;
    if (handleBand && std::abs(at.x - g.barHighX) <= quarter) return MouseGadget::RangeBarHigh;
    if (at.x > g.barLowX && at.x < g.barHighX && std::abs(at.y - kRangeBar) <= half)
      return MouseGadget::RangeBarWindow;
  }

  if (g.sliderLevels > 0) {
    const int32_t x = SliderX(r);
    const int32_t marker = SliderMarkerY(r, g.sliderLevels, g.sliderLevel);
    if (at.x >= x && at.x <= x + g.axisHeight && std::abs(at.y - marker) < g.axisHeight)
      return MouseGadget::Slider;
  }

  if (at.x > r.right + 100 && at.x <= r.right + 350 && at.y >= r.bottom - 350 && at.y < r.bottom)
    return MouseGadget::BottomRightHandle;
  if (at.x >= r.left - 350 && at.x < r.left - 50 && at.y >= r.top - 100 && at.y < r.top + 100)
    return MouseGadget::TopLeftHandle;

  if (InsidePlot(r, at)) return MouseGadget::Plot;
  return MouseGadget::None;
}

}  // namespace ionvue
