#pragma once
// The view of one spectrum window: its display state, the conversions
// between m/z, intensity and plot twips, the zoom stack, and the drawing of
// the whole page on a canvas (window, printer or picture). The Qt widget
// wraps it; the mouse work drives it through these calls.

#include <cstdint>
#include <functional>
#include <string>

#include "viewer/view/canvas.h"
#include "viewer/view/display_state.h"
#include "viewer/view/mass_list.h"
#include "viewer/view/plot_mapping.h"
#include "viewer/view/view_context.h"

namespace ionvue {

class CIonvueDoc;

class CIonvueView {
 public:
  static constexpr const char* kNoDataPrompt = "Open a data file with the <File> menu";
  static constexpr const char* kIdlePrompt = "Zoom LMB, Replay RMB";
  static constexpr const char* kRefusedSound = "sf_beep.wav";  // refused zoom or replay
  static constexpr const char* kScaleSound = "sr_beep.wav";    // impossible intensity scale
  static constexpr int32_t kPageWidth = kPageWidthTwips;
  static constexpr int32_t kPageHeight = kPageHeightTwips;

  // Reads the view's settings; the context is the application's and must
  // outlive the view.
  CIonvueView(CIonvueDoc& doc, ViewContext& context);
  // Writes back the settings a view keeps.
  ~CIonvueView();
  CIonvueView(const CIonvueView&) = delete;
  CIonvueView& operator=(const CIonvueView&) = delete;

  // First display: the view's own document becomes trace 0.
  void OnInitialUpdate();
  // Draws the whole page; the canvas's target decides what differs.
  void OnDraw(Canvas& canvas);

  // Conversions on the plot as shown on screen.
  PlotMapping Mapping() const;
  int32_t MassToX(double mz) const { return Mapping().MassToX(mz); }
  double XToMass(double x) const { return Mapping().XToMass(x); }
  int32_t IntensityToY(double intensity, double mz) const {
    return Mapping().IntensityToY(intensity, mz);
  }
  // The displayed range: the zoom stack's top, or the pending range while
  // the range bar is dragged.
  double DisplayedLow() const;
  double DisplayedHigh() const;
  double DisplayedWidth() const { return DisplayedHigh() - DisplayedLow(); }
  // The document's whole m/z range (entry 0 of the stack without data).
  void FullRange(double& low, double& high) const;
  // Sample index of an m/z as the zoom checks count samples (at least 0).
  long SampleIndexOf(double mz) const;
  // A range is worth showing when its ends lie more than 10 samples apart.
  bool CoversEnoughSamples(double a, double b) const;

  // Zoom stack.
  void ResetToFullRange(double low, double high, bool publish);
  void RefreshFullRange(double low, double high);
  // Clamps, orders and pushes; a full stack or an empty range beeps, the
  // range already shown is ignored quietly. True when pushed (and published).
  bool PushRange(double low, double high);
  // Replay: false (with the beep) at the full range.
  bool PopRange();
  // Stores the displayed range as the application's shared range.
  void PublishRange();
  // Display full spectrum.
  void ShowFullSpectrum();
  // The next redraw bins afresh instead of reusing the last factor.
  void RequestAutoBinning() { m_state.autoBinning = true; }

  // Range-bar drag: the plot shows the pending range while it lasts.
  void BeginRangeDrag();
  void SetPendingRange(double low, double high);  // also begins a drag
  // Ends the drag without changing the zoom stack.
  void ClearPendingRange();
  // Pushes the pending range when it covers enough samples (else the
  // default beep) and ends the drag; true when pushed.
  bool EndRangeDrag();

  // Gadget geometry for hit tests.
  int32_t RangeBarX(double mz) const;
  int32_t SliderX() const { return m_state.rect.right + 300; }
  // Levels of the missed-cleavage slider; 0 when no slider is shown.
  int MissedCleavageLevels() const;
  int32_t SliderMarkerY() const;

  // Plot rectangle from the stored edges, mode and sizes.
  void RecomputeRectangle();
  // A display mode command: the rectangle follows from the stored edges and
  // Graph/DisplayMode is saved.
  void SetDisplayMode(char mode);
  // A rectangle from a locked view: mode 'V', sizes follow.
  void ApplySharedRectangle(const PlotRect& rect);
  // A corner handle's new rectangle: as a shared one, and when the top-left
  // corner moved, the stored edges move with it.
  void ResizePlot(const PlotRect& rect, bool movesEdges);

  // Traces of other documents (not owned). The application reports every
  // document that closes.
  bool AddTrace(CIonvueDoc* doc);
  bool RemoveTrace(CIonvueDoc* doc);
  void OnDocumentClosed(const CIonvueDoc* doc);

  // Deletes the labels strictly inside the displayed range that lie more
  // than 2 from the precursor; returns how many went.
  int DeleteLabelsInRange();
  // Apply default ran: the next redraw clears the labels in range.
  void NoteDefaultApplied() { m_bDefaultApplied = true; }

  // Plays a cue from the installation folder.
  void PlaySound(const char* name);

  CDisplayState& state() { return m_state; }
  const CDisplayState& state() const { return m_state; }
  CMassList& massList() { return m_massList; }
  CIonvueDoc& document() { return m_doc; }
  const CIonvueDoc& document() const { return m_doc; }
  ViewContext& context() { return m_context; }

  // Hooks for the window around the view.
  std::function<void()> onInvalidate;       // repaint the window (after printing)
  std::function<void()> onRecreateTooltip;  // at the start of every redraw
  std::function<void()> onResetMouseMode;   // a changed document is shown afresh
  // The time after the path in the information block, "  (%H:%M %m/%d/%y)".
  std::function<std::string()> clock;

 private:
  void MeasureFonts(Canvas& canvas);
  void TakeDocumentRange();
  void RebuildBins();
  void DrawPlot(Canvas& canvas);
  void ReportScaleProblem();

  CIonvueDoc& m_doc;
  ViewContext& m_context;
  CDisplayState m_state;
  CMassList m_massList;
  bool m_bDefaultApplied = false;
};

}  // namespace ionvue
