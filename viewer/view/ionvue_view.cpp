#include "viewer/view/ionvue_view.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/core/document.h"
#include "viewer/view/plot_renderer.h"
#include "viewer/view/screen_bins.h"
#include "viewer/view/view_fonts.h"
#include "viewer/view/view_settings.h"

namespace ionvue {

namespace {

std::string LocalTimeText() {
  char text[64];
  std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  std::strftime(text, sizeof text, "  (%H:%M %m/%d/%y)", &parts);
  return text;
}

double AdductMass(const CIonvueDoc& doc) {
  if (doc.m_bNeutralMass) return 0;
  return doc.GetSpectrum().m_nCharge > 0 ? 1.0074 : -1.0085;
}

}  // namespace

CIonvueView::CIonvueView(CIonvueDoc& doc, ViewContext& context)
    : clock(LocalTimeText), m_doc(doc), m_context(context) {
  ReadViewSettings(m_state);
  m_state.points.reserve(std::max(doc.m_nPointsPlottedOnScreen, 1) + 1);
  double low = 0, high = 0;
  if (doc.CalibrationRange(low, high)) m_state.zoom.Reset(low, high);
}

CIonvueView::~CIonvueView() { WriteViewSettings(m_state); }

void CIonvueView::OnInitialUpdate() {
  if (m_state.traces.empty() || m_state.traces.front() != &m_doc)
    m_state.traces.insert(m_state.traces.begin(), &m_doc);
}

// ---- conversions and ranges ----

PlotMapping CIonvueView::Mapping() const {
  PlotMapping map;
  map.rect = m_state.rect;
  map.low = DisplayedLow();
  map.width = DisplayedWidth();
  map.minimum = m_state.scale.minimum;
  map.span = m_state.scale.span;
  map.expansion = m_state.expansion;
  return map;
}

double CIonvueView::DisplayedLow() const {
  return m_state.rangeDrag ? m_state.pendingLow : m_state.zoom.Low();
}

double CIonvueView::DisplayedHigh() const {
  return m_state.rangeDrag ? m_state.pendingHigh : m_state.zoom.High();
}

void CIonvueView::FullRange(double& low, double& high) const {
  if (!m_doc.CalibrationRange(low, high)) {
    low = m_state.zoom.LowAt(0);
    high = m_state.zoom.HighAt(0);
  }
}

long CIonvueView::SampleIndexOf(double mz) const {
  const CSpectrum& s = m_doc.GetSpectrum();
  return std::max(s.IndexOf(s.Inverse(mz)), 0L);
}

bool CIonvueView::CoversEnoughSamples(double a, double b) const {
  return std::labs(SampleIndexOf(a) - SampleIndexOf(b)) > 10;
}

// ---- zoom stack ----

void CIonvueView::ResetToFullRange(double low, double high, bool publish) {
  m_state.zoom.Reset(low, high);
  m_state.rangeDrag = false;
  m_state.pendingLow = m_state.pendingHigh = 0;
  m_state.autoBinning = true;
  if (publish) PublishRange();
}

void CIonvueView::RefreshFullRange(double low, double high) { m_state.zoom.Refresh(low, high); }

bool CIonvueView::PushRange(double low, double high) {
  double fullLow, fullHigh;
  FullRange(fullLow, fullHigh);
  switch (m_state.zoom.PushRange(low, high, fullLow, fullHigh)) {
    case CZoomStack::Push::Pushed:
      m_state.autoBinning = true;
      PublishRange();
      return true;
    case CZoomStack::Push::Full:
    case CZoomStack::Push::Empty:
      PlaySound(kRefusedSound);
      return false;
    case CZoomStack::Push::Same:
      break;
  }
  return false;
}

bool CIonvueView::PopRange() {
  if (!m_state.zoom.Pop()) {
    PlaySound(kRefusedSound);
    return false;
  }
  m_state.autoBinning = true;
  PublishRange();
  return true;
}

void CIonvueView::PublishRange() {
  const double a = DisplayedLow(), b = DisplayedHigh();
  m_context.sharedLow = std::min(a, b);
  m_context.sharedHigh = std::max(a, b);
}

void CIonvueView::ShowFullSpectrum() {
  double low, high;
  FullRange(low, high);
  ResetToFullRange(low, high, true);
}

void CIonvueView::BeginRangeDrag() {
  m_state.pendingLow = m_state.zoom.Low();
  m_state.pendingHigh = m_state.zoom.High();
  m_state.rangeDrag = true;
}

void CIonvueView::SetPendingRange(double low, double high) {
  m_state.rangeDrag = true;
  m_state.pendingLow = low;
  m_state.pendingHigh = high;
  m_state.autoBinning = true;
}

void CIonvueView::ClearPendingRange() {
  m_state.rangeDrag = false;
  m_state.pendingLow = m_state.pendingHigh = 0;
  m_state.autoBinning = true;
}

bool CIonvueView::EndRangeDrag() {
  const double low = m_state.pendingLow, high = m_state.pendingHigh;
  ClearPendingRange();
  if (!CoversEnoughSamples(low, high)) {
    m_doc.host().Beep(BeepKind::Default);
    return false;
  }
  return PushRange(low, high);
}

void CIonvueView::PlaySound(const char* name) {
  std::string folder = m_state.rootDirectory;
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  m_doc.host().PlayWav(folder + name);
}

// ---- gadgets and geometry ----

int32_t CIonvueView::RangeBarX(double mz) const {
  double low, high;
  FullRange(low, high);
  return ionvue::RangeBarX(m_state.rect, low, high, mz);
}

int CIonvueView::MissedCleavageLevels() const {
  const auto& digests = m_doc.m_pDigests;
  if (digests[0]) return std::max(digests[0]->FragmentCount(), 1);
  if (digests[1] && !digests[1]->IsPlainList()) return std::max(digests[1]->FragmentCount(), 1);
  return 0;
}

int32_t CIonvueView::SliderMarkerY() const {
  const PlotRect& r = m_state.rect;
  const int count = std::max(MissedCleavageLevels(), 1);
  const int level = std::clamp(m_state.missedCleavageLevel, 1, count);
  const int32_t step = count > 1 ? (r.top - r.bottom) / (count - 1) : 0;
  return r.bottom + step * (level - 1);
}

void CIonvueView::RecomputeRectangle() {
  CDisplayState& st = m_state;
  LimitEdges(st.leftEdge, st.topEdge);
  const bool custom = st.displayMode == 'C';
  st.rect = ComputePlotRect(st.displayMode, st.leftEdge, st.topEdge,
                            custom ? st.customWidth : st.displayWidth,
                            custom ? st.customHeight : st.displayHeight);
}

void CIonvueView::SetDisplayMode(char mode) {
  m_state.displayMode = mode;
  RecomputeRectangle();
  Settings().WriteString("Graph", "DisplayMode", DisplayModeText(mode));
}

void CIonvueView::ResizePlot(const PlotRect& rect, bool movesEdges) {
  ApplySharedRectangle(rect);
  if (movesEdges) {
    m_state.leftEdge = rect.left;
    m_state.topEdge = rect.top;
    LimitEdges(m_state.leftEdge, m_state.topEdge);
  }
}

void CIonvueView::ApplySharedRectangle(const PlotRect& rect) {
  m_state.rect = rect;
  m_state.displayMode = 'V';
  m_state.mouseMode = 's';
  m_state.displayWidth = rect.Width() * kCmPerTwip;
  m_state.displayHeight = rect.Height() * kCmPerTwip;
}

// ---- traces and labels ----

bool CIonvueView::AddTrace(CIonvueDoc* doc) {
  auto& traces = m_state.traces;
  if (!doc || std::find(traces.begin(), traces.end(), doc) != traces.end()) return false;
  if (traces.empty() && doc != &m_doc) traces.push_back(&m_doc);
  traces.push_back(doc);
  return true;
}

bool CIonvueView::RemoveTrace(CIonvueDoc* doc) {
  auto& traces = m_state.traces;
  auto it = std::find(traces.begin(), traces.end(), doc);
  if (it == traces.end() || it == traces.begin()) return false;
  traces.erase(it);
  return true;
}

void CIonvueView::OnDocumentClosed(const CIonvueDoc* doc) {
  if (doc == &m_doc) return;
  std::erase(m_state.traces, doc);
}

int CIonvueView::DeleteLabelsInRange() {
  CSpectrum& s = m_doc.GetSpectrum();
  const double low = DisplayedLow(), high = DisplayedHigh();
  int removed = 0;
  std::erase_if(s.m_pLabels, [&](const CLabel& label) {
    bool gone =
        label.mass > low && label.mass < high && std::fabs(label.mass - s.m_dPrecursorMass) > 2;
    if (gone) {
      m_massList.RemoveAt(m_massList.FindNear(label.mass, 0.1));
      ++removed;
    }
    return gone;
  });
  return removed;
}

// ---- drawing ----

void CIonvueView::MeasureFonts(Canvas& canvas) {
  canvas.SetFont(AxisFont(m_state));
  m_state.axisHeight = canvas.TextExtent("W").height;
  canvas.SetFont(SmallFont(m_state));
  m_state.smallHeight = canvas.TextExtent("W").height;
}

void CIonvueView::TakeDocumentRange() {
  double low, high;
  if (!m_doc.CalibrationRange(low, high)) return;
  RefreshFullRange(low, high);
  if (!m_doc.IsModified()) return;
  // Whatever replaced the data or the calibration: show it from scratch.
  ResetToFullRange(low, high, false);
  m_doc.SetModifiedFlag(false);
  m_state.expansion = VerticalExpansion{};
  if (!m_context.viewsLocked) PublishRange();
  m_state.mouseMode = 's';
  if (onResetMouseMode) onResetMouseMode();
}

void CIonvueView::RebuildBins() {
  CDisplayState& st = m_state;
  const CSpectrum& s = m_doc.GetSpectrum();
  const double low = DisplayedLow(), high = DisplayedHigh();
  CDisplayState::BinSource source{low,
                                  high,
                                  s.m_pData.get(),
                                  s.m_nLength,
                                  s.m_nOffset,
                                  s.m_bTOF,
                                  m_doc.m_nPointsPlottedOnScreen,
                                  s.m_dTimeBase,
                                  {s.m_dA[0], s.m_dA[1], s.m_dA[2], s.m_dA[3]}};
  // Binning the same samples over the same range with the factor used last
  // gives the bins already there; anything else bins afresh.
  if (st.autoBinning || !(source == st.binned) ||
      m_doc.m_nScreenBins > static_cast<int>(m_doc.m_dScreenMz.size())) {
    BinResult bins = BuildScreenBins(m_doc, low, high, -1);
    st.binFactor = bins.factor;
    st.minimumIntensity = bins.minimumIntensity;
    st.binned = source;
    st.autoBinning = false;
  }
  ComputeVerticalScale(st.scale, m_doc.m_dScreenMz.data(), m_doc.m_nScreenIntensity.data(),
                       m_doc.m_nScreenBins, low, high, s.m_nShots);
}

void CIonvueView::ReportScaleProblem() {
  if (m_state.scaleProblemShown) return;
  // Shown once: a message box raised from inside a repaint would otherwise
  // come back with every repaint it causes.
  m_state.scaleProblemShown = true;
  PlaySound(kScaleSound);
  m_doc.host().Message(kScaleProblem, MessageIcon::Stop);
}

void CIonvueView::DrawPlot(Canvas& canvas) {
  CDisplayState& st = m_state;
  RenderPass pass{canvas, st, m_doc, m_context, m_massList, Mapping()};
  if (canvas.target() == Canvas::Target::Printer) {
    pass.map.rect.top -= kPrintShift;
    pass.map.rect.bottom -= kPrintShift;
  }
  pass.high = DisplayedHigh();
  FullRange(pass.fullLow, pass.fullHigh);

  DrawFrameAndMzAxis(pass);
  if (DrawIntensityAxis(pass))
    st.scaleProblemShown = false;
  else
    ReportScaleProblem();
  DrawTraces(pass);
  DrawLabels(pass);
  if (pass.screen()) DrawRangeBar(pass);
  if (m_context.showInformation) DrawInformation(pass, clock ? clock() : std::string());
  if (pass.printing() && m_context.showHash) DrawHashValue(pass);
  if (st.expansion.active) DrawExpansionMarker(pass);
  const int levels = MissedCleavageLevels();
  if (pass.screen() && levels > 0) DrawSlider(pass, levels);
  if (m_doc.m_pDigests[0])
    DrawCrosses(pass, *m_doc.m_pDigests[0], st.crossColor, st.spectrumLineWidth * 10);
  if (m_doc.m_pDigests[1]) DrawCrosses(pass, *m_doc.m_pDigests[1], kRed, 10);
}

void CIonvueView::OnDraw(Canvas& canvas) {
  CDisplayState& st = m_state;
  st.adductMass = AdductMass(m_doc);
  if (m_bDefaultApplied) {
    DeleteLabelsInRange();
    m_bDefaultApplied = false;
  }
  OnInitialUpdate();
  if (m_context.isOpen)
    std::erase_if(st.traces, [&](CIonvueDoc* d) { return d != &m_doc && !m_context.isOpen(d); });
  if (onRecreateTooltip) onRecreateTooltip();
  MeasureFonts(canvas);

  const bool data = m_doc.IsLoaded();
  if (data) {
    if (m_doc.IsModified()) st.pixelsPerInch = canvas.PixelsPerInchX();
    TakeDocumentRange();
  }
  if (m_context.viewsLocked) {
    // Quietly: a shared range this spectrum cannot show must not beep at
    // every repaint.
    double fullLow, fullHigh;
    FullRange(fullLow, fullHigh);
    if (st.zoom.PushRange(m_context.sharedLow, m_context.sharedHigh, fullLow, fullHigh) ==
        CZoomStack::Push::Pushed) {
      st.autoBinning = true;
      PublishRange();
    }
  }

  if (!data) {
    m_doc.SetStatus(0, kNoDataPrompt);
    return;
  }
  RebuildBins();
  DrawPlot(canvas);
  if (canvas.target() == Canvas::Target::Printer && onInvalidate) onInvalidate();
  if (st.mouseMode == 's' && !st.rangeDrag) m_doc.SetStatus(0, kIdlePrompt);
}

}  // namespace ionvue
