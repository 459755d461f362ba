#pragma once
// The vocabulary of the mouse work on a plot: modes, cursors, the gadgets a
// press can land on, and the small records exchanged with the view.

#include <cstdint>

#include "viewer/view/canvas.h"
#include "viewer/view/plot_geometry.h"

namespace ionvue {

// One character per mode, the values the view has always kept.
enum class MouseMode : char {
  Idle = 's',
  ZoomSecondPoint = 'z',
  CentroidLabels = 'C',
  TimeLabels = 'T',
  MassDifferences = 'D',
  Integrals = 'I',
  NormalizationPeak = 'N',
  CalibrationPoint = 'n',
  ExpandRegion = 'X',
  ResizeBottomRight = 'b',
  ResizeTopLeft = 'B',
};

// Modes that a menu command enters and a right click leaves.
inline bool IsPickingMode(MouseMode mode) {
  switch (mode) {
    case MouseMode::CentroidLabels:
    case MouseMode::TimeLabels:
    case MouseMode::MassDifferences:
    case MouseMode::Integrals:
    case MouseMode::NormalizationPeak:
    case MouseMode::CalibrationPoint:
    case MouseMode::ExpandRegion:
      return true;
    default:
      return false;
  }
}

// The kinds of cursor; the images are the platform's.
enum class MouseCursor {
  Arrow,
  Crosshair,
  BackgroundPick,
  DeleteLabel,
  DiagonalResize,
  HorizontalResize,  // dragging the range bar
  VerticalResize,    // dragging the missed-cleavage slider
};

// What lies under a point of the page.
enum class MouseGadget {
  None,
  Plot,
  RangeBarLow,     // the low handle (handle 1)
  RangeBarHigh,    // the high handle (handle 0)
  RangeBarWindow,  // the bar between the handles (handle 2)
  Slider,
  BottomRightHandle,
  TopLeftHandle,
};

enum class MouseKey { Shift, Escape, Other };

enum class MouseContextMenu {
  Filters,     // Smooth, ABC, High pass filter, Mass correlation, Autocorrelation, Revert
  Properties,  // Properties, Use/Set default properties, Copy/Paste properties
};

enum class RedrawScope {
  ThisView,
  LockedViews,  // this view, and every other view while views are locked
};

// What a picking action wants afterwards.
enum class PickOutcome {
  Stay,          // keep picking
  ReturnToIdle,  // the action is complete; its own status text stays
};

struct MassRange {
  double low = 0;
  double high = 0;
  bool operator==(const MassRange&) const = default;
};

// A selection mark: the view invalidates `strip` (so the mark drawn before
// at that place vanishes on the next paint), then draws the line with the
// pen. A white pen is an erasure.
struct MarkerLine {
  Point from, to;
  Pen pen;
  PlotRect strip;
  bool operator==(const MarkerLine&) const = default;
};

// The tooltip that follows the pointer with its m/z.
inline constexpr int kTooltipInitialDelayMs = 1000;
inline constexpr int kTooltipReshowDelayMs = 1000;
inline constexpr int kTooltipAutoPopMs = 5000;
inline constexpr Color kTooltipBackground{255, 255, 198};

// The low end of an expansion window whose first point is not yet chosen.
inline constexpr double kExpansionLowUnset = -1000.0;

}  // namespace ionvue
