#include "viewer/view/mouse_modes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/view/display_state.h"
#include "viewer/view/mouse_dialogs.h"
#include "viewer/view/mouse_prompts.h"

namespace ionvue {

namespace {

// A click-drag-release shorter than this leaves the selection pending.
constexpr int64_t kDragThreshold = 20;
constexpr int64_t kMinimumSamples = 10;

int64_t Distance(int32_t a, int32_t b) { return std::llabs(static_cast<int64_t>(a) - b); }

void SaveDisplaySize(const PlotRect& r) {
  SettingsStore& s = Settings();
  s.WriteReal("Graph", "DisplayWidth", (r.right - r.left) * kCmPerTwip, "%.2lf");
  s.WriteReal("Graph", "DisplayHeight", (r.top - r.bottom) * kCmPerTwip, "%.2lf");
  s.WriteString("Graph", "DisplayMode", "Variable");
}

}  // namespace

CMouseModes::CMouseModes(Host& host, MouseViewPort& view) : m_host(host), m_view(view) {}

bool CMouseModes::RangeAccepted(const MouseViewPort& view, double a, double b) {
  if (!std::isfinite(a) || !std::isfinite(b)) return false;
  const int64_t i = std::max<int64_t>(view.SampleIndexOf(a), 0);
  const int64_t j = std::max<int64_t>(view.SampleIndexOf(b), 0);
  return std::llabs(i - j) > kMinimumSamples;
}

std::string CMouseModes::EntryPrompt(MouseMode mode) const {
  switch (mode) {
    case MouseMode::Idle:
      return kPromptZoom;
    case MouseMode::ZoomSecondPoint:
      return kPromptSecondZoomPoint;
    case MouseMode::CentroidLabels:
      return kPromptCentroids;
    case MouseMode::TimeLabels:
      return kPromptTimes;
    case MouseMode::MassDifferences:
      return kPromptDifferences;
    case MouseMode::Integrals:
    case MouseMode::NormalizationPeak:
      return kPromptBackground;
    case MouseMode::CalibrationPoint:
      return Format(kPromptCalibrationPoint, m_view.CalibrationPointCount() + 1);
    case MouseMode::ExpandRegion:
      return kPromptFirstExpansionPoint;
    case MouseMode::ResizeBottomRight:
    case MouseMode::ResizeTopLeft:
      break;
  }
  return "";
}

MouseCursor CMouseModes::Cursor() const {
  if (m_bRangeDrag) return MouseCursor::HorizontalResize;
  if (m_bSliderDrag) return MouseCursor::VerticalResize;
  if (m_mode == MouseMode::ResizeBottomRight || m_mode == MouseMode::ResizeTopLeft)
    return MouseCursor::DiagonalResize;
  if (m_bDeleteLabel) return MouseCursor::DeleteLabel;
  switch (m_mode) {
    case MouseMode::CentroidLabels:
    case MouseMode::TimeLabels:
    case MouseMode::MassDifferences:
    case MouseMode::CalibrationPoint:
      return MouseCursor::Crosshair;
    case MouseMode::Integrals:
    case MouseMode::NormalizationPeak:
      return m_bBackgroundPending ? MouseCursor::BackgroundPick : MouseCursor::Crosshair;
    default:
      return MouseCursor::Arrow;
  }
}

// --- Events -----------------------------------------------------------------

void CMouseModes::LeftPress(Point at, bool shift) {
  if (!m_view.HasData()) return;
  if (m_bShiftHeld || shift) {
    m_bShiftHeld = false;
    PressAsRight(at, true);
    Settle();
    return;
  }
  switch (HitGadget(Layout(), at)) {
    case MouseGadget::RangeBarLow:
      StartRangeBarDrag(1, at);
      break;
    case MouseGadget::RangeBarHigh:
      StartRangeBarDrag(0, at);
      break;
    case MouseGadget::RangeBarWindow:
      StartRangeBarDrag(2, at);
      break;
    case MouseGadget::Slider:
      m_bSliderDrag = true;
      break;
    case MouseGadget::BottomRightHandle:
      EnterMode(MouseMode::ResizeBottomRight);
      break;
    case MouseGadget::TopLeftHandle:
      EnterMode(MouseMode::ResizeTopLeft);
      break;
    case MouseGadget::Plot:
      PressInPlot(at);
      break;
    case MouseGadget::None:
      break;
  }
  Settle();
}

void CMouseModes::LeftRelease(Point at) {
  if (m_bRangeDrag) {
    EndRangeBarDrag();
  } else if (m_bSliderDrag) {
    m_bSliderDrag = false;
    EnterMode(MouseMode::Idle);
    m_view.Redraw(RedrawScope::LockedViews);
  } else {
    switch (m_mode) {
      case MouseMode::ResizeBottomRight:
      case MouseMode::ResizeTopLeft:
        ReleaseResize(at);
        break;
      case MouseMode::ZoomSecondPoint:
        if (Distance(at.x, m_view.XAt(m_dZoomStart)) > kDragThreshold) CompleteZoom(at.x);
        break;
      case MouseMode::ExpandRegion: {
        const VerticalExpansion e = m_view.Expansion();
        if (e.low != kExpansionLowUnset && Distance(at.x, m_view.XAt(e.low)) > kDragThreshold)
          CompleteExpansion(at.x);
        break;
      }
      default:
        break;
    }
  }
  Settle();
}

void CMouseModes::LeftDoubleClick(Point at) {
  if (m_mode == MouseMode::Idle) {
    m_view.ShowContextMenu(MouseContextMenu::Properties, at);
  } else if (m_mode == MouseMode::ZoomSecondPoint) {
    DrawMarker(m_nLastMarkerLineX, kWhite);
    m_view.ShowContextMenu(MouseContextMenu::Properties, at);
    EnterMode(MouseMode::Idle);
  }
  Settle();
}

void CMouseModes::RightPress(Point at) {
  if (!m_view.HasData()) return;
  PressAsRight(at, false);
  Settle();
}

void CMouseModes::Move(Point at, bool leftHeld) {
  if (m_bRangeDrag || m_bSliderDrag) {
    if (leftHeld) {
      if (m_bRangeDrag)
        ContinueRangeBarDrag(at.x);
      else
        ContinueSliderDrag(at.y);
    } else {
      // The release went elsewhere: the drag is over, unapplied.
      AbandonDrags();
    }
  }

  const bool inside = m_view.HasData() && InsidePlot(m_view.Plot(), at);
  if (inside && leftHeld) {
    const bool zoom = m_mode == MouseMode::ZoomSecondPoint;
    const VerticalExpansion e = m_view.Expansion();
    const bool expand = m_mode == MouseMode::ExpandRegion && e.low != kExpansionLowUnset;
    if (zoom || expand) {
      const int32_t startX = m_view.XAt(zoom ? m_dZoomStart : e.low);
      if (Distance(at.x, startX) > kDragThreshold) {
        if (m_nLastMarkerX != 0) DrawMarker(m_nLastMarkerX, kWhite);
        DrawMarker(at.x, zoom ? kNavy : kGreen);
        m_nLastMarkerX = at.x;
      }
    }
  }

  std::string text;
  if (inside) {
    const double adduct = m_view.DisplayMz() ? 0.0 : m_view.AdductMass();
    text = Format(kPointerMzFormat, m_view.MassAt(at.x) - adduct);
  }
  // The status bar is the frame's, shared by every view: always rewrite it.
  m_host.SetStatus(kPointerPane, inside ? text : kPointerOutsidePlot);
  if (text != m_tooltip) {
    m_tooltip = text;
    m_view.SetTooltipText(text);
  }
  Settle();
}

void CMouseModes::KeyPress(MouseKey key) {
  m_bShiftHeld = key == MouseKey::Shift;
  if (key == MouseKey::Escape && !AbandonDrags() && m_mode != MouseMode::Idle) LeaveMode();
  Settle();
}

void CMouseModes::KeyRelease() { m_bShiftHeld = false; }

void CMouseModes::CaptureLost() {
  m_bCaptured = false;
  if (!AbandonDrags() && IsPickingMode(m_mode)) m_bCaptureLostInMode = true;
  Settle();
}

// --- Commands ---------------------------------------------------------------

void CMouseModes::SelectMode(MouseMode mode) {
  if (!m_view.HasData()) return;
  switch (mode) {
    case MouseMode::CentroidLabels:
    case MouseMode::TimeLabels:
    case MouseMode::CalibrationPoint:
      if (m_mode == mode) {
        EnterMode(MouseMode::Idle);
        if (mode == MouseMode::CentroidLabels) m_view.Redraw(RedrawScope::ThisView);
      } else if (m_mode == MouseMode::Idle) {
        EnterMode(mode);
      }
      break;
    case MouseMode::MassDifferences:
    case MouseMode::Integrals:
    case MouseMode::NormalizationPeak:
      if (m_mode == mode) {
        EnterMode(MouseMode::Idle);
        m_view.Redraw(RedrawScope::ThisView);
      } else {
        EnterMode(mode);
      }
      break;
    case MouseMode::ExpandRegion:
      if (m_view.Expansion().active || m_mode == MouseMode::ExpandRegion) {
        m_view.SetExpansion(VerticalExpansion{});
        EnterMode(MouseMode::Idle);
        m_view.Redraw(RedrawScope::ThisView);
      } else {
        VerticalExpansion e;
        e.low = kExpansionLowUnset;
        e.high = 1.0;
        e.factor = 1.0;
        e.active = false;
        m_view.SetExpansion(e);
        EnterMode(MouseMode::ExpandRegion);
      }
      break;
    default:
      break;
  }
  Settle();
}

void CMouseModes::ToggleDeleteLabelMode() {
  m_bDeleteLabel = !m_bDeleteLabel;
  Settle();
}

void CMouseModes::SetBackgroundPending(bool pending) {
  m_bBackgroundPending = pending;
  Settle();
}

void CMouseModes::ResetToIdle() {
  // Called while the view draws: no redraw from here.
  if (m_bRangeDrag) m_view.ClearPendingRange();
  m_bRangeDrag = false;
  m_bSliderDrag = false;
  EnterMode(MouseMode::Idle, false);
  Settle();
}

void CMouseModes::ReturnToIdle(bool showPrompt) {
  EnterMode(MouseMode::Idle, showPrompt);
  Settle();
}

// --- The steps --------------------------------------------------------------

void CMouseModes::PressAsRight(Point at, bool shiftClick) {
  if (m_mode != MouseMode::Idle) {
    LeaveMode();
    return;
  }
  if (!shiftClick && !InsidePlot(m_view.Plot(), at)) {
    m_view.ShowContextMenu(MouseContextMenu::Filters, at);
    return;
  }
  const bool popped = m_view.PopRange();
  Status(kPromptZoom);
  if (popped) {
    m_view.RequestAutoBinning();
    m_view.Redraw(RedrawScope::LockedViews);
  }
}

void CMouseModes::LeaveMode() {
  bool redraw = true;
  switch (m_mode) {
    case MouseMode::MassDifferences:
      m_view.ForgetReferencePeak();
      break;
    case MouseMode::TimeLabels:
      redraw = false;
      break;
    case MouseMode::ExpandRegion:
      m_view.SetExpansion(VerticalExpansion{});
      break;
    default:
      break;
  }
  EnterMode(MouseMode::Idle, false);
  Status(kPromptZoom);
  if (redraw) {
    m_view.RequestAutoBinning();
    m_view.Redraw(RedrawScope::ThisView);
  }
}

void CMouseModes::PressInPlot(Point at) {
  switch (m_mode) {
    case MouseMode::Idle: {
      const int label = m_view.LabelAt(at);
      if (label >= 0) {
        if (m_bDeleteLabel)
          m_view.DeleteLabel(label);
        else
          m_view.EditLabel(label);
        m_view.Redraw(RedrawScope::LockedViews);
        return;
      }
      DrawMarker(at.x, kNavy);
      m_dZoomStart = m_view.MassAt(at.x);
      EnterMode(MouseMode::ZoomSecondPoint);
      return;
    }
    case MouseMode::ZoomSecondPoint:
      CompleteZoom(at.x);
      return;
    case MouseMode::CentroidLabels:
    case MouseMode::TimeLabels:
    case MouseMode::MassDifferences:
    case MouseMode::Integrals:
    case MouseMode::NormalizationPeak: {
      const MouseMode mode = m_mode;
      const PickOutcome outcome = m_view.Pick(mode, at, m_view.MassAt(at.x));
      if (m_mode != mode) return;  // the action left the mode itself
      // Background and peak clicks alternate.
      if (mode == MouseMode::Integrals || mode == MouseMode::NormalizationPeak)
        m_bBackgroundPending = !m_bBackgroundPending;
      if (outcome == PickOutcome::ReturnToIdle) EnterMode(MouseMode::Idle, false);
      return;
    }
    case MouseMode::CalibrationPoint:
      m_view.Pick(m_mode, at, m_view.MassAt(at.x));
      EnterMode(MouseMode::Idle, false);
      Status(kPromptZoom);
      return;
    case MouseMode::ExpandRegion: {
      VerticalExpansion e = m_view.Expansion();
      if (e.low != kExpansionLowUnset) {
        CompleteExpansion(at.x);
        return;
      }
      e.low = m_view.MassAt(at.x);
      e.active = true;
      m_view.SetExpansion(e);
      DrawMarker(at.x, kGreen);
      Status(kPromptSecondExpansionPoint);
      return;
    }
    case MouseMode::ResizeBottomRight:
    case MouseMode::ResizeTopLeft:
      return;
  }
}

void CMouseModes::CompleteZoom(int32_t x) {
  m_dZoomEnd = m_view.MassAt(x);
  if (RangeAccepted(m_view, m_dZoomStart, m_dZoomEnd)) m_view.PushRange(m_dZoomStart, m_dZoomEnd);
  EnterMode(MouseMode::Idle);
  m_view.RequestAutoBinning();
  m_view.Redraw(RedrawScope::LockedViews);
}

void CMouseModes::CompleteExpansion(int32_t x) {
  VerticalExpansion e = m_view.Expansion();
  e.high = m_view.MassAt(x);
  DrawMarker(x, kGreen);
  EnterMode(MouseMode::Idle);
  if (e.low > e.high) std::swap(e.low, e.high);
  m_view.SetExpansion(e);
  ExpansionFactorDialog dialog;
  if (m_host.RunDialog(dialog) && dialog.Valid()) {
    e.factor = dialog.factor;
    m_view.SetExpansion(e);
  } else {
    m_view.SetExpansion(VerticalExpansion{});
  }
  m_view.Redraw(RedrawScope::LockedViews);
}

void CMouseModes::StartRangeBarDrag(int handle, Point at) {
  m_bRangeDrag = true;
  m_nHandle = handle;
  m_dragBase = m_view.DisplayedRange();
  m_pending = m_dragBase;
  m_dGrabMz = RangeBarMass(m_view.Plot(), m_view.FullRange(), at.x);
  m_view.SetPendingRange(m_pending);
}

void CMouseModes::ContinueRangeBarDrag(int32_t x) {
  MassRange full = m_view.FullRange();
  if (full.low > full.high) std::swap(full.low, full.high);
  const double s = RangeBarMass(m_view.Plot(), full, x);
  switch (m_nHandle) {
    case 1:
      if (s < m_pending.high) m_pending.low = s;
      break;
    case 0:
      if (s > m_pending.low) m_pending.high = s;
      break;
    default: {
      const double shift = s - m_dGrabMz;
      const double low = std::clamp(m_dragBase.low + shift, full.low, full.high);
      const double high = std::clamp(m_dragBase.high + shift, full.low, full.high);
      // A window pushed wholly off the spectrum stays where it was.
      m_pending = low < high ? MassRange{low, high} : m_dragBase;
      break;
    }
  }
  m_view.SetPendingRange(m_pending);
  Status(Format(kRangeBarStatus, m_pending.low, m_pending.high));
  m_view.RequestAutoBinning();
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseModes::EndRangeBarDrag() {
  m_bRangeDrag = false;
  if (RangeAccepted(m_view, m_pending.low, m_pending.high))
    m_view.PushRange(m_pending.low, m_pending.high);
  else
    m_host.Beep(BeepKind::Default);
  m_view.ClearPendingRange();
  EnterMode(MouseMode::Idle);
  m_view.RequestAutoBinning();
  m_view.Redraw(RedrawScope::LockedViews);
}

void CMouseModes::ContinueSliderDrag(int32_t y) {
  const int levels = m_view.MissedCleavageLevels();
  if (levels <= 0) return;
  const int level = SliderLevelAt(m_view.Plot(), levels, y);
  Status(Format(kSliderStatus, level - 1));
  if (level != m_view.MissedCleavageLevel()) {
    m_view.SetMissedCleavageLevel(level);
    m_view.Redraw(RedrawScope::ThisView);
  }
}

void CMouseModes::ReleaseResize(Point at) {
  PlotRect r = m_view.Plot();
  if (m_mode == MouseMode::ResizeBottomRight) {
    if (at.x > r.left + 100 && at.y < r.top - 100 && at.x > 0 && at.y < 0) {
      r.right = at.x;
      r.bottom = at.y;
      SaveDisplaySize(r);
      m_view.ResizePlot(r, false);
    }
  } else if (at.x < r.right - 100 && at.y > r.bottom + 100 && at.x > 0 && at.y < 0) {
    r.top = at.y;
    r.left = at.x + 100;
    SaveDisplaySize(r);
    Settings().WriteReal("Graph", "LeftEdge", r.left * kCmPerTwip, "%.2lf");
    Settings().WriteReal("Graph", "TopEdge", -r.top * kCmPerTwip, "%.2lf");
    m_view.ResizePlot(r, true);
  }
  m_view.SetDisplayMode('V');
  EnterMode(MouseMode::Idle);
  m_view.Redraw(RedrawScope::LockedViews);
}

bool CMouseModes::AbandonDrags() {
  bool any = false;
  if (m_bRangeDrag) {
    m_bRangeDrag = false;
    m_view.ClearPendingRange();
    m_view.RequestAutoBinning();
    any = true;
  }
  if (m_bSliderDrag) {
    m_bSliderDrag = false;
    any = true;
  }
  if (m_mode == MouseMode::ResizeBottomRight || m_mode == MouseMode::ResizeTopLeft) any = true;
  if (any) {
    EnterMode(MouseMode::Idle);
    m_view.Redraw(RedrawScope::ThisView);
  }
  return any;
}

void CMouseModes::EnterMode(MouseMode mode, bool showPrompt) {
  if (mode == m_mode) return;
  m_mode = mode;
  m_nLastMarkerX = 0;
  m_bCaptureLostInMode = false;
  if (mode == MouseMode::Integrals || mode == MouseMode::NormalizationPeak)
    m_bBackgroundPending = true;
  m_view.MouseModeChanged(mode);
  if (showPrompt) {
    const std::string prompt = EntryPrompt(mode);
    if (!prompt.empty()) Status(prompt);
  }
}

void CMouseModes::DrawMarker(int32_t x, const Color& color) {
  const PlotRect r = m_view.Plot();
  MarkerLine m;
  m.from = Point{x, r.bottom + 42};
  m.to = Point{x, r.top - 42};
  m.pen.color = color;
  m.pen.width = 1;
  m.pen.style = Pen::Style::Dot;
  m.strip = PlotRect{x - 28, r.top - 28, x + 28, r.bottom + 28};
  m_view.DrawMarker(m);
  if (color != kWhite) m_nLastMarkerLineX = x;
}

void CMouseModes::Status(const std::string& text) { m_host.SetStatus(kPromptPane, text); }

GadgetLayout CMouseModes::Layout() const {
  GadgetLayout g;
  g.plot = m_view.Plot();
  g.axisHeight = m_view.AxisHeight();
  g.rangeBar = m_view.HasData();
  const MassRange shown = m_view.DisplayedRange();
  g.barLowX = m_view.RangeBarX(shown.low);
  g.barHighX = m_view.RangeBarX(shown.high);
  g.sliderLevels = m_view.MissedCleavageLevels();
  g.sliderLevel = m_view.MissedCleavageLevel();
  return g;
}

bool CMouseModes::WantsCapture() const {
  if (m_bRangeDrag || m_bSliderDrag) return true;
  if (m_mode == MouseMode::ResizeBottomRight || m_mode == MouseMode::ResizeTopLeft) return true;
  return IsPickingMode(m_mode) && !m_bCaptureLostInMode;
}

void CMouseModes::Settle() {
  const bool want = WantsCapture();
  if (want && !m_bCaptured) {
    m_view.CaptureMouse();
    m_bCaptured = true;
  } else if (!want && m_bCaptured) {
    m_view.ReleaseMouse();
    m_bCaptured = false;
  }
  const MouseCursor cursor = Cursor();
  if (cursor != m_shownCursor) {
    m_shownCursor = cursor;
    m_view.SetCursor(cursor);
  }
}

}  // namespace ionvue
