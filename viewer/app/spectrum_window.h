#pragma once
// One spectrum window: its document, its view, the mouse work on it and the
// command targets of the view and the document. The page inside shows the
// view; this class is the view port the mouse work reads and drives.

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/command.h"
#include "viewer/app/spectrum_page.h"
#include "viewer/view/mouse_view_port.h"

namespace ionvue {

class ApplicationState;
class CIonvueDoc;
class CIonvueView;
class CMouseCommands;
class CMouseModes;
class DocumentCommands;
class QtHost;
class ViewCommandTarget;
struct ViewContext;

// What a spectrum window needs of the frame around it.
class SpectrumShell {
 public:
  virtual ~SpectrumShell() = default;
  virtual QtHost& host() = 0;
  virtual ApplicationState& state() = 0;
  virtual ViewContext& viewContext() = 0;
  virtual std::vector<class SpectrumWindow*> SpectrumWindows() = 0;
  // Runs a command through the router of the window (context menus).
  virtual void ShowCommandMenu(const std::vector<int>& ids, QPoint globalPos) = 0;
  // Commands' enabled and checked states may have changed.
  virtual void CommandStatesChanged() = 0;
};

class SpectrumWindow : public QWidget,
                       public MouseViewPort,
                       public GraphOptionsPort,
                       private PageEvents {
 public:
  // Takes a document that has been opened.
  SpectrumWindow(std::unique_ptr<CIonvueDoc> doc, SpectrumShell& shell,
                 QWidget* parent = nullptr);
  ~SpectrumWindow() override;

  CIonvueDoc& document() { return *doc_; }
  CIonvueView& view() { return *view_; }
  CMouseModes& mouse() { return *mouse_; }
  SpectrumPage& page() { return *page_; }
  CommandTarget& viewTarget();
  CommandTarget& documentTarget();
  // Repaints the page from scratch.
  void RedrawView();
  // The window title follows the document's.
  void UpdateTitle();
  // Another document closed: it leaves the traces.
  void DocumentClosed(const CIonvueDoc* doc);

  // --- MouseViewPort ---
  bool HasData() const override;
  PlotRect Plot() const override;
  int32_t AxisHeight() const override;
  MassRange FullRange() const override;
  MassRange DisplayedRange() const override;
  double MassAt(int32_t x) const override;
  int32_t XAt(double mz) const override;
  int32_t RangeBarX(double mz) const override;
  int64_t SampleIndexOf(double mz) const override;
  double AdductMass() const override;
  bool DisplayMz() const override;
  bool PushRange(double low, double high) override;
  bool PopRange() override;
  void SetPendingRange(const MassRange& range) override;
  void ClearPendingRange() override;
  void RequestAutoBinning() override;
  void Redraw(RedrawScope scope) override;
  VerticalExpansion Expansion() const override;
  void SetExpansion(const VerticalExpansion& expansion) override;
  void ResizePlot(const PlotRect& rect, bool movesEdges) override;
  void SetDisplayMode(char mode) override;
  int MissedCleavageLevels() const override;
  int MissedCleavageLevel() const override;
  void SetMissedCleavageLevel(int level) override;
  int LabelAt(Point at) const override;
  void DeleteLabel(int index) override;
  void EditLabel(int index) override;
  PickOutcome Pick(MouseMode mode, Point at, double mz) override;
  void ForgetReferencePeak() override;
  bool NormalizationPeakExists() const override;
  int CalibrationPointCount() const override;
  void DrawMarker(const MarkerLine& marker) override;
  void SetCursor(MouseCursor cursor) override;
  void SetTooltipText(const std::string& text) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;
  void ShowContextMenu(MouseContextMenu menu, Point at) override;
  void MouseModeChanged(MouseMode mode) override;

  // --- GraphOptionsPort ---
  void ResetToFullRange() override;
  IntensityRangeSetting IntensityRange() const override;
  void SetIntensityRange(const IntensityRangeSetting& setting) override;
  char DisplayMode() const override;
  PlotSizeCm DisplaySize() const override;
  void SetPlotDimensions(char mode, const PlotSizeCm& size) override;
  void ShareRectangleWithLockedViews() override;
  bool HalfFrame() const override;
  void SetHalfFrame(bool half) override;
  AxisTitles Titles() const override;
  void SetTitles(const AxisTitles& titles) override;
  LineWidths Widths() const override;
  void SetWidths(const LineWidths& widths) override;
  Color CrossesColor() const override;
  void SetCrossesColor(const Color& color) override;
  int OpenSpectrumCount() const override;
  int TraceCount() const override;
  std::vector<std::string> TraceCandidates() const override;
  void AddTrace(int candidate) override;
  std::vector<std::string> RemovableTraces() const override;
  void RemoveTrace(int removable) override;

 protected:
  // Closing one window offers a modified spectrum for saving.
  void closeEvent(QCloseEvent* event) override;

 private:
  // --- PageEvents ---
  void PageLeftPress(Point at, bool shift) override;
  void PageLeftRelease(Point at) override;
  void PageLeftDoubleClick(Point at) override;
  void PageRightPress(Point at) override;
  void PageMove(Point at, bool leftHeld) override;
  void PageKeyPress(MouseKey key) override;
  void PageKeyRelease() override;
  void PageCaptureLost() override;
  // After every event: the cursor, and the menus' states.
  void AfterMouseEvent();
  std::vector<CIonvueDoc*> OpenDocuments() const;

  SpectrumShell& shell_;
  std::unique_ptr<CIonvueDoc> doc_;
  std::unique_ptr<CIonvueView> view_;
  std::unique_ptr<CMouseModes> mouse_;
  std::unique_ptr<CMouseCommands> mouse_commands_;
  std::unique_ptr<ViewCommandTarget> view_target_;
  std::unique_ptr<DocumentCommands> document_target_;
  SpectrumPage* page_;
  MouseCursor cursor_ = MouseCursor::Arrow;
};

}  // namespace ionvue
