#pragma once
// What the mouse work needs of its view. The view implements both
// interfaces over its display state; tests implement them with fakes.

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/view/canvas.h"
#include "viewer/view/mouse_types.h"
#include "viewer/view/plot_geometry.h"
#include "viewer/view/plot_mapping.h"

namespace ionvue {

class MouseViewPort {
 public:
  virtual ~MouseViewPort() = default;

  // --- Reading the plot -------------------------------------------------
  // Whether the document holds a spectrum.
  virtual bool HasData() const = 0;
  virtual PlotRect Plot() const = 0;
  // Height of the axis font, measured at the last redraw (twips).
  virtual int32_t AxisHeight() const = 0;
  // The document's whole m/z range.
  virtual MassRange FullRange() const = 0;
  // The top of the zoom stack, or the pending range while one is set.
  virtual MassRange DisplayedRange() const = 0;
  // Plot conversions over the displayed range.
  virtual double MassAt(int32_t x) const = 0;
  virtual int32_t XAt(double mz) const = 0;
  // Where the range bar shows a full-range m/z (its handles' apexes).
  virtual int32_t RangeBarX(double mz) const = 0;
  // Sample index of an m/z through the inverse calibration (below 0 is 0).
  virtual int64_t SampleIndexOf(double mz) const = 0;
  virtual double AdductMass() const = 0;
  // The document shows (m+zH)/z: the pointer's m/z keeps the adduct.
  virtual bool DisplayMz() const = 0;

  // --- Displayed range --------------------------------------------------
  // The zoom stack's push and replay: clamping, the 200-entry limit, the
  // "sf_beep.wav" cue and publishing the range are the view's. True when
  // the stack changed.
  virtual bool PushRange(double low, double high) = 0;
  virtual bool PopRange() = 0;
  // The range the plot shows while the range bar is dragged.
  virtual void SetPendingRange(const MassRange& range) = 0;
  virtual void ClearPendingRange() = 0;
  // The next redraw finds a fresh bin factor.
  virtual void RequestAutoBinning() = 0;
  virtual void Redraw(RedrawScope scope) = 0;

  // --- Vertical expansion -----------------------------------------------
  virtual VerticalExpansion Expansion() const = 0;
  virtual void SetExpansion(const VerticalExpansion& expansion) = 0;

  // --- Plot rectangle ---------------------------------------------------
  // A rectangle resized by a corner handle: the view takes it (and its
  // left and top as the plot's edges when `movesEdges`), recomputes its
  // display width and height in cm (kCmPerTwip) and gives it to every
  // locked view.
  virtual void ResizePlot(const PlotRect& rect, bool movesEdges) = 0;
  // 'L', 'P', 'C' or 'V'.
  virtual void SetDisplayMode(char mode) = 0;

  // --- Missed-cleavage slider -------------------------------------------
  // Levels of the first digest while the slider is shown, else 0.
  virtual int MissedCleavageLevels() const = 0;
  virtual int MissedCleavageLevel() const = 0;
  virtual void SetMissedCleavageLevel(int level) = 0;

  // --- Labels and picking -----------------------------------------------
  // Index of the label under the point (last drawn wins), or -1.
  virtual int LabelAt(Point at) const = 0;
  virtual void DeleteLabel(int index) = 0;
  // The "Change/delete label" dialog for a label.
  virtual void EditLabel(int index) = 0;
  // A left click inside the plot in a picking mode ('C', 'T', 'D', 'I',
  // 'N', 'n'), with the m/z under it. For 'I' and 'N' the mode's
  // background-pending flag tells which of the two clicks this is.
  virtual PickOutcome Pick(MouseMode mode, Point at, double mz) = 0;
  // Leaving mass-difference mode with a right click.
  virtual void ForgetReferencePeak() = 0;
  virtual bool NormalizationPeakExists() const = 0;
  virtual int CalibrationPointCount() const = 0;

  // --- Feedback ---------------------------------------------------------
  virtual void DrawMarker(const MarkerLine& marker) = 0;
  virtual void SetCursor(MouseCursor cursor) = 0;
  virtual void SetTooltipText(const std::string& text) = 0;
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;
  virtual void ShowContextMenu(MouseContextMenu menu, Point at) = 0;
  // The mode changed; drawing reads it (the closing idle prompt).
  virtual void MouseModeChanged(MouseMode mode) = 0;
};

// The graph settings the display commands change.
struct PlotSizeCm {
  double width = 15.0;
  double height = 10.0;
};

struct IntensityRangeSetting {
  bool fixed = false;
  int32_t fixedMaximum = 0;  // axis units
};

struct AxisTitles {
  std::string mz;
  std::string intensity;
};

struct LineWidths {
  int32_t spectrum = 1;  // points
  int32_t frame = 1;
};

class GraphOptionsPort {
 public:
  virtual ~GraphOptionsPort() = default;

  // Depth 0 of the zoom stack; the range is published.
  virtual void ResetToFullRange() = 0;

  virtual IntensityRangeSetting IntensityRange() const = 0;
  virtual void SetIntensityRange(const IntensityRangeSetting& setting) = 0;

  virtual char DisplayMode() const = 0;
  // The display width and height in cm of mode 'C' or 'V' as the view
  // holds them.
  virtual PlotSizeCm DisplaySize() const = 0;
  // Sets the mode (and for 'C' the size) and recomputes the rectangle from
  // the plot's stored edges.
  virtual void SetPlotDimensions(char mode, const PlotSizeCm& size) = 0;
  virtual void ShareRectangleWithLockedViews() = 0;

  virtual bool HalfFrame() const = 0;
  virtual void SetHalfFrame(bool half) = 0;
  virtual AxisTitles Titles() const = 0;
  virtual void SetTitles(const AxisTitles& titles) = 0;
  virtual LineWidths Widths() const = 0;
  virtual void SetWidths(const LineWidths& widths) = 0;
  virtual Color CrossesColor() const = 0;
  virtual void SetCrossesColor(const Color& color) = 0;

  // Traces.
  virtual int OpenSpectrumCount() const = 0;
  virtual int TraceCount() const = 0;
  // Titles of the open spectra not yet shown in this view.
  virtual std::vector<std::string> TraceCandidates() const = 0;
  virtual void AddTrace(int candidate) = 0;
  // Titles of the traces after the first.
  virtual std::vector<std::string> RemovableTraces() const = 0;
  virtual void RemoveTrace(int removable) = 0;
};

}  // namespace ionvue
