#pragma once
// Where on the page a press lands: the range bar's handles and window, the
// missed-cleavage slider, the two resize corners and the plot.

#include <cstdint>

#include "viewer/view/canvas.h"
#include "viewer/view/mouse_types.h"
#include "viewer/view/plot_geometry.h"

namespace ionvue {

struct GadgetLayout {
  PlotRect plot;
  int32_t axisHeight = 0;
  bool rangeBar = false;                // shown (screen, with data)
  int32_t barLowX = 0, barHighX = 0;    // apexes of the two handles
  int sliderLevels = 0;                 // 0 when the slider is not shown
  int sliderLevel = 1;
};

// The gadgets are tried in the order a press tries them: range bar, slider,
// bottom-right corner, top-left corner, plot.
MouseGadget HitGadget(const GadgetLayout& layout, Point at);

bool InsidePlot(const PlotRect& plot, Point at);

// The slider's scale line and the height of its marker.
int32_t SliderX(const PlotRect& plot);
int32_t SliderMarkerY(const PlotRect& plot, int levels, int level);
// The level a drag at height y selects, 1 to levels.
int SliderLevelAt(const PlotRect& plot, int levels, int32_t y);

// The full-range m/z under x on the range bar, limited to the full range.
double RangeBarMass(const PlotRect& plot, const MassRange& full, int32_t x);

}  // namespace ionvue
