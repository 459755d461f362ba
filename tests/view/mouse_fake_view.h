#pragma once
// A view for driving the mouse modes: a plot 10000 twips wide over a
// spectrum of 1000 to 2000 m/z with one sample per m/z unit, a real zoom
// stack, and a record of every effect the machine asks for.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/host.h"
#include "viewer/view/mouse_view_port.h"
#include "viewer/view/zoom_stack.h"

namespace ionvue::testing {

class FakeMouseView : public MouseViewPort, public GraphOptionsPort {
 public:
  explicit FakeMouseView(Host& host) : host_(host) { zoom.Reset(full.low, full.high); }

  // --- State the tests set or read.
  bool data = true;
  PlotRect rect{1000, -1000, 11000, -6000};
  int32_t axisHeight = 240;
  MassRange full{1000, 2000};
  CZoomStack zoom;
  bool pendingSet = false;
  MassRange pending;
  double adduct = 1.0074;
  bool displayMz = false;
  VerticalExpansion expansion;
  int levels = 0;
  int level = 1;
  std::function<int(Point)> labelAt = [](Point) { return -1; };
  PickOutcome outcome = PickOutcome::Stay;
  bool normalizationPeak = false;
  int calibrationPoints = 0;
  char displayMode = 'P';
  PlotSizeCm size;
  IntensityRangeSetting intensity;
  bool halfFrame = true;
  AxisTitles titles{"m/z", "Intensity"};
  LineWidths widths;
  Color crosses{0, 0, 128};
  int openSpectra = 1;
  std::vector<std::string> traces{"own"};
  std::vector<std::string> others;

  // --- What the machine asked for.
  struct PickCall {
    MouseMode mode;
    Point at;
    double mz;
  };
  std::vector<PickCall> picks;
  std::vector<MarkerLine> markers;
  std::vector<MouseCursor> cursors;
  std::vector<std::string> tooltips;
  std::vector<std::pair<MouseContextMenu, Point>> menus;
  std::vector<RedrawScope> redraws;
  std::vector<MouseMode> modeChanges;
  std::vector<std::pair<PlotRect, bool>> resizes;
  std::vector<int> deleted, edited;
  int captures = 0, releases = 0, autoBinning = 0, referenceForgotten = 0, shared = 0;
  bool captured() const { return captures > releases; }
  void ClearRecords() {
    picks.clear();
    markers.clear();
    cursors.clear();
    tooltips.clear();
    menus.clear();
    redraws.clear();
    modeChanges.clear();
    resizes.clear();
    autoBinning = 0;
  }

  // --- MouseViewPort.
  bool HasData() const override { return data; }
  PlotRect Plot() const override { return rect; }
  int32_t AxisHeight() const override { return axisHeight; }
  MassRange FullRange() const override { return full; }
  MassRange DisplayedRange() const override {
    return pendingSet ? pending : MassRange{zoom.Low(), zoom.High()};
  }
  double MassAt(int32_t x) const override {
    const MassRange r = DisplayedRange();
    return r.low + (r.high - r.low) / (rect.right - rect.left) * (x - rect.left);
  }
  int32_t XAt(double mz) const override {
    const MassRange r = DisplayedRange();
    return rect.left +
           static_cast<int32_t>(std::trunc((mz - r.low) / (r.high - r.low) * (rect.right - rect.left)));
  }
  int32_t RangeBarX(double mz) const override {
    return rect.left + static_cast<int32_t>(std::trunc((mz - full.low) / (full.high - full.low) *
                                                       (rect.right - rect.left)));
  }
  int64_t SampleIndexOf(double mz) const override {
    const double i = std::trunc(mz) - 1000;
    return i < 0 ? 0 : static_cast<int64_t>(i);
  }
  double AdductMass() const override { return adduct; }
  bool DisplayMz() const override { return displayMz; }

  bool PushRange(double low, double high) override {
    const CZoomStack::Push r = zoom.PushRange(low, high, full.low, full.high);
    if (r == CZoomStack::Push::Full || r == CZoomStack::Push::Empty) host_.PlayWav("root/sf_beep.wav");
    return r == CZoomStack::Push::Pushed;
  }
  bool PopRange() override {
    if (zoom.Pop()) return true;
    host_.PlayWav("root/sf_beep.wav");
    return false;
  }
  void SetPendingRange(const MassRange& range) override {
    pendingSet = true;
    pending = range;
  }
  void ClearPendingRange() override { pendingSet = false; }
  void RequestAutoBinning() override { ++autoBinning; }
  void Redraw(RedrawScope scope) override { redraws.push_back(scope); }

  VerticalExpansion Expansion() const override { return expansion; }
  void SetExpansion(const VerticalExpansion& e) override { expansion = e; }

  void ResizePlot(const PlotRect& r, bool movesEdges) override {
    rect = r;
    resizes.emplace_back(r, movesEdges);
  }
  void SetDisplayMode(char mode) override { displayMode = mode; }

  int MissedCleavageLevels() const override { return levels; }
  int MissedCleavageLevel() const override { return level; }
  void SetMissedCleavageLevel(int l) override { level = l; }

  int LabelAt(Point at) const override { return labelAt(at); }
  void DeleteLabel(int index) override { deleted.push_back(index); }
  void EditLabel(int index) override { edited.push_back(index); }
  PickOutcome Pick(MouseMode mode, Point at, double mz) override {
    picks.push_back({mode, at, mz});
    return outcome;
  }
  void ForgetReferencePeak() override { ++referenceForgotten; }
  bool NormalizationPeakExists() const override { return normalizationPeak; }
  int CalibrationPointCount() const override { return calibrationPoints; }

  void DrawMarker(const MarkerLine& marker) override { markers.push_back(marker); }
  void SetCursor(MouseCursor cursor) override { cursors.push_back(cursor); }
  void SetTooltipText(const std::string& text) override { tooltips.push_back(text); }
  void CaptureMouse() override { ++captures; }
  void ReleaseMouse() override { ++releases; }
  void ShowContextMenu(MouseContextMenu menu, Point at) override { menus.emplace_back(menu, at); }
  void MouseModeChanged(MouseMode mode) override { modeChanges.push_back(mode); }

  // --- GraphOptionsPort.
  void ResetToFullRange() override { zoom.Reset(full.low, full.high); }
  IntensityRangeSetting IntensityRange() const override { return intensity; }
  void SetIntensityRange(const IntensityRangeSetting& s) override { intensity = s; }
  char DisplayMode() const override { return displayMode; }
  PlotSizeCm DisplaySize() const override { return size; }
  void SetPlotDimensions(char mode, const PlotSizeCm& s) override {
    displayMode = mode;
    size = s;
  }
  void ShareRectangleWithLockedViews() override { ++shared; }
  bool HalfFrame() const override { return halfFrame; }
  void SetHalfFrame(bool half) override { halfFrame = half; }
  AxisTitles Titles() const override { return titles; }
  void SetTitles(const AxisTitles& t) override { titles = t; }
  LineWidths Widths() const override { return widths; }
  void SetWidths(const LineWidths& w) override { widths = w; }
  Color CrossesColor() const override { return crosses; }
  void SetCrossesColor(const Color& c) override { crosses = c; }
  int OpenSpectrumCount() const override { return openSpectra; }
  int TraceCount() const override { return static_cast<int>(traces.size()); }
  std::vector<std::string> TraceCandidates() const override { return others; }
  void AddTrace(int candidate) override {
    traces.push_back(others[candidate]);
    others.erase(others.begin() + candidate);
  }
  std::vector<std::string> RemovableTraces() const override {
    return std::vector<std::string>(traces.begin() + 1, traces.end());
  }
  void RemoveTrace(int removable) override { traces.erase(traces.begin() + 1 + removable); }

 private:
  Host& host_;
};

}  // namespace ionvue::testing
