#pragma once
// The pieces of one drawing pass over a view's plot. The view calls them in
// its drawing order; each draws through the canvas only.

#include <string>

#include "viewer/view/canvas.h"
#include "viewer/view/display_state.h"
#include "viewer/view/mass_list.h"
#include "viewer/view/plot_mapping.h"
#include "viewer/view/view_context.h"

namespace ionvue {

class CIonvueDoc;
class DigestSource;

struct RenderPass {
  Canvas& canvas;
  CDisplayState& state;
  CIonvueDoc& doc;
  const ViewContext& context;
  CMassList& massList;
  PlotMapping map;  // the plot as drawn (lowered on paper)
  double high = 0;  // displayed high m/z
  double fullLow = 0, fullHigh = 0;

  Canvas::Target target() const { return canvas.target(); }
  bool printing() const { return target() == Canvas::Target::Printer; }
  bool screen() const { return target() == Canvas::Target::Screen; }
  // The mapping follows the scale after it is recomputed.
  void SyncScale();
};

inline constexpr int32_t kPrintShift = 850;
inline constexpr int32_t kRangeBarY = -100;
inline constexpr int32_t kSliderOffset = 300;
inline constexpr const char* kScaleProblem =
    "A problem has occurred in the interpretation\n of the input file. The most probably cause "
    "is \nreading a 16 bit binary file as a 32 bit binary file";

// Frame, m/z ticks, their first and last values and the m/z title.
void DrawFrameAndMzAxis(RenderPass& pass);
// Intensity title and ticks; false when the scale came out negative (the
// caller reports it).
bool DrawIntensityAxis(RenderPass& pass);
void DrawTraces(RenderPass& pass);
void DrawLabels(RenderPass& pass);
void DrawRangeBar(RenderPass& pass);
// Stores the lines and the block's height below the plot in the state.
void DrawInformation(RenderPass& pass, const std::string& timeText);
void DrawHashValue(RenderPass& pass);
void DrawExpansionMarker(RenderPass& pass);
void DrawSlider(RenderPass& pass, int levels);
void DrawCrosses(RenderPass& pass, DigestSource& digest, const Color& color, int32_t penWidth);

// The range bar's x of a full-range m/z.
int32_t RangeBarX(const PlotRect& rect, double fullLow, double fullHigh, double mz);

}  // namespace ionvue
