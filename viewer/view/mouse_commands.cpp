#include "viewer/view/mouse_commands.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/host.h"
#include "platform/settings.h"
#include "viewer/view/mouse_dialogs.h"
#include "viewer/view/mouse_prompts.h"
#include "viewer/view/plot_geometry.h"

namespace ionvue {

namespace {

CommandState State(bool enabled) {
  CommandState s;
  s.enabled = enabled;
  return s;
}

CommandState Checkable(bool enabled, bool checked) {
  CommandState s;
  s.enabled = enabled;
  s.checkable = true;
  s.checked = checked;
  return s;
}

double Hundredths(double v) { return std::round(v * 100.0) / 100.0; }

}  // namespace

CMouseCommands::CMouseCommands(Host& host, CMouseModes& modes, MouseViewPort& view,
                               GraphOptionsPort& options)
    : m_host(host), m_modes(modes), m_view(view), m_options(options) {}

CommandState CMouseCommands::Update(MouseCommand command) const {
  const bool data = m_view.HasData();
  switch (command) {
    case MouseCommand::DisplayFullSpectrum:
    case MouseCommand::SetDisplayRange:
    case MouseCommand::ZoomIn:
    case MouseCommand::SetCustom:
      return State(data);
    case MouseCommand::SetIntensityRange:
      return Checkable(data, m_options.IntensityRange().fixed);
    case MouseCommand::ZoomRegion:
      return Checkable(data, m_view.Expansion().active);
    case MouseCommand::ZoomOut:
      return State(data && m_view.Expansion().active);
    case MouseCommand::AddTrace:
      return State(m_options.OpenSpectrumCount() > 1);
    case MouseCommand::DeleteTrace:
      return State(m_options.TraceCount() > 1);
    case MouseCommand::LandscapePlot:
      return Checkable(true, m_options.DisplayMode() == 'L');
    case MouseCommand::PortraitPlot:
      return Checkable(true, m_options.DisplayMode() == 'P');
    case MouseCommand::CustomPlot:
      return Checkable(true, m_options.DisplayMode() == 'C');
    case MouseCommand::FullFrame:
      return Checkable(data, !m_options.HalfFrame());
    case MouseCommand::AxisLabels:
    case MouseCommand::LineWidth:
    case MouseCommand::CrossColor:
      return State(true);
    case MouseCommand::DeleteLabelMode:
      return Checkable(data, m_modes.DeleteLabelMode());
    case MouseCommand::LabelCentroid:
      return Checkable(data, m_modes.IsMode(MouseMode::CentroidLabels));
    case MouseCommand::LabelMassDifferences:
      return Checkable(data, m_modes.IsMode(MouseMode::MassDifferences));
    case MouseCommand::LabelTime:
      return Checkable(data, m_modes.IsMode(MouseMode::TimeLabels));
    case MouseCommand::LabelIntegral:
      return Checkable(data, m_modes.IsMode(MouseMode::Integrals));
    case MouseCommand::Normalization:
      return Checkable(data, m_view.NormalizationPeakExists());
    case MouseCommand::AddCalibrationPoint:
      return Checkable(data, m_modes.IsMode(MouseMode::CalibrationPoint));
  }
  return CommandState{};
}

bool CMouseCommands::Execute(MouseCommand command) {
  if (!Update(command).enabled) return false;
  switch (command) {
    case MouseCommand::DisplayFullSpectrum:
      DisplayFullSpectrum();
      break;
    case MouseCommand::SetDisplayRange:
      SetDisplayRange();
      break;
    case MouseCommand::SetIntensityRange:
      SetIntensityRange();
      break;
    case MouseCommand::ZoomRegion:
      m_modes.SelectMode(MouseMode::ExpandRegion);
      break;
    case MouseCommand::ZoomIn:
      ZoomIn();
      break;
    case MouseCommand::ZoomOut:
      ZoomOut();
      break;
    case MouseCommand::AddTrace:
      AddTrace();
      break;
    case MouseCommand::DeleteTrace:
      DeleteTrace();
      break;
    case MouseCommand::LandscapePlot:
      ChooseDimensions('L');
      break;
    case MouseCommand::PortraitPlot:
      ChooseDimensions('P');
      break;
    case MouseCommand::CustomPlot:
      ChooseDimensions('C');
      break;
    case MouseCommand::SetCustom:
      SetCustom();
      break;
    case MouseCommand::FullFrame:
      ToggleFullFrame();
      break;
    case MouseCommand::AxisLabels:
      EditAxisLabels();
      break;
    case MouseCommand::LineWidth:
      EditLineWidth();
      break;
    case MouseCommand::CrossColor:
      ChooseCrossColor();
      break;
    case MouseCommand::DeleteLabelMode:
      m_modes.ToggleDeleteLabelMode();
      break;
    case MouseCommand::LabelCentroid:
      m_modes.SelectMode(MouseMode::CentroidLabels);
      break;
    case MouseCommand::LabelMassDifferences:
      m_modes.SelectMode(MouseMode::MassDifferences);
      break;
    case MouseCommand::LabelTime:
      m_modes.SelectMode(MouseMode::TimeLabels);
      break;
    case MouseCommand::LabelIntegral:
      m_modes.SelectMode(MouseMode::Integrals);
      break;
    case MouseCommand::Normalization:
      m_modes.SelectMode(MouseMode::NormalizationPeak);
      break;
    case MouseCommand::AddCalibrationPoint:
      m_modes.SelectMode(MouseMode::CalibrationPoint);
      break;
  }
  return true;
}

void CMouseCommands::Refused() {
  std::string folder = Settings().GetString("Defaults", "IVRootDirectory", "none");
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';
  m_host.PlayWav(folder + kRefusedRangeSound);
}

void CMouseCommands::DisplayFullSpectrum() {
  m_options.ResetToFullRange();
  m_view.RequestAutoBinning();
  m_view.Redraw(RedrawScope::LockedViews);
}

void CMouseCommands::SetDisplayRange() {
  const MassRange shown = m_view.DisplayedRange();
  DisplayRangeDialog dialog(std::trunc(shown.low), std::trunc(shown.high));
  if (!m_host.RunDialog(dialog)) return;
  if (!CMouseModes::RangeAccepted(m_view, dialog.start, dialog.end)) {
    Refused();
    return;
  }
  double low = std::min(dialog.start, dialog.end);
  double high = std::max(dialog.start, dialog.end);
  MassRange full = m_view.FullRange();
  if (full.low > full.high) std::swap(full.low, full.high);
  if (low < full.low || low > full.high) low = full.low;
  if (high < full.low || high > full.high) high = full.high;
  m_view.PushRange(low, high);
  m_view.RequestAutoBinning();
  m_view.Redraw(RedrawScope::LockedViews);
}

void CMouseCommands::SetIntensityRange() {
  IntensityRangeSetting setting = m_options.IntensityRange();
  if (setting.fixed) {
    setting.fixed = false;
    m_options.SetIntensityRange(setting);
  } else {
    IntensityRangeDialog dialog(setting.fixedMaximum);
    if (m_host.RunDialog(dialog)) m_options.SetIntensityRange({true, dialog.maximum});
  }
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::ZoomIn() {
  VerticalExpansion e = m_view.Expansion();
  if (e.factor < 1.1) {
    const MassRange shown = m_view.DisplayedRange();
    e.low = shown.low;
    e.high = shown.high;
    e.active = true;
  }
  e.factor += 1;
  m_view.SetExpansion(e);
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::ZoomOut() {
  VerticalExpansion e = m_view.Expansion();
  e.factor -= 1;
  if (e.factor < 1.1) {
    e.active = false;
    e.factor = 1.0;
  }
  m_view.SetExpansion(e);
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::AddTrace() {
  TraceChoiceDialog dialog(m_options.TraceCandidates());
  if (m_host.RunDialog(dialog) && dialog.HasChoice()) m_options.AddTrace(dialog.selected);
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::DeleteTrace() {
  TraceChoiceDialog dialog(m_options.RemovableTraces());
  if (m_host.RunDialog(dialog) && dialog.HasChoice()) m_options.RemoveTrace(dialog.selected);
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::ChooseDimensions(char mode) {
  PlotSizeCm size = m_options.DisplaySize();
  if (mode == 'C') {
    size.height = Settings().GetReal("Graph", "CustomDisplayHeight", "15.0");
    size.width = Settings().GetReal("Graph", "CustomDisplayWidth", "20.0");
  }
  m_options.SetPlotDimensions(mode, size);
  Settings().WriteString("Graph", "DisplayMode", DisplayModeText(mode));
  m_options.ShareRectangleWithLockedViews();
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::SetCustom() {
  const PlotSizeCm size = m_options.DisplaySize();
  GraphDimensionsDialog dialog(Hundredths(size.height), Hundredths(size.width));
  if (m_host.RunDialog(dialog)) {
    m_options.SetPlotDimensions('C', PlotSizeCm{dialog.widthCm, dialog.heightCm});
    SettingsStore& s = Settings();
    s.WriteReal("Graph", "CustomDisplayWidth", dialog.widthCm, "%.2lf");
    s.WriteReal("Graph", "CustomDisplayHeight", dialog.heightCm, "%.2lf");
    s.WriteString("Graph", "DisplayMode", "Custom");
  }
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::ToggleFullFrame() {
  const bool half = !m_options.HalfFrame();
  m_options.SetHalfFrame(half);
  Settings().WriteString("Graph", "FrameType", half ? "half-frame" : "full-frame");
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::EditAxisLabels() {
  const AxisTitles titles = m_options.Titles();
  AxisLabelsDialog dialog(titles.intensity, titles.mz);
  if (m_host.RunDialog(dialog)) {
    m_options.SetTitles(AxisTitles{dialog.mzTitle, dialog.intensityTitle});
    Settings().WriteString("Graph", "DefaultMzLabel", dialog.mzTitle);
    Settings().WriteString("Graph", "DefaultIntensityLabel", dialog.intensityTitle);
  }
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::EditLineWidth() {
  const LineWidths widths = m_options.Widths();
  LineWidthDialog dialog(widths.spectrum, widths.frame);
  if (m_host.RunDialog(dialog) && dialog.Valid()) {
    m_options.SetWidths(LineWidths{dialog.spectrumWidth, dialog.frameWidth});
    Settings().WriteInt("Graph", "SpectrumLineWidth", dialog.spectrumWidth);
    Settings().WriteInt("Graph", "FrameLineWidth", dialog.frameWidth);
  }
  m_view.Redraw(RedrawScope::ThisView);
}

void CMouseCommands::ChooseCrossColor() {
  CrossColorDialog dialog(m_options.CrossesColor());
  if (m_host.RunDialog(dialog)) m_options.SetCrossesColor(dialog.color);
  m_view.Redraw(RedrawScope::ThisView);
}

}  // namespace ionvue
