#include "viewer/app/view_commands.h"

#include <optional>

#include "platform/settings.h"
#include "viewer/core/command_ids.h"
#include "viewer/services/command_table.h"
#include "viewer/view/ionvue_view.h"

namespace ionvue {

namespace {

std::optional<MouseCommand> MouseCommandOf(int id) {
  switch (id) {
    case cmd::kDisplayFullSpectrum: return MouseCommand::DisplayFullSpectrum;
    case cmd::kSetDisplayRange: return MouseCommand::SetDisplayRange;
    case cmd::kSetIntensityRange: return MouseCommand::SetIntensityRange;
    case cmd::kZoomRegion: return MouseCommand::ZoomRegion;
    case cmd::kZoomIn: return MouseCommand::ZoomIn;
    case cmd::kZoomOut: return MouseCommand::ZoomOut;
    case cmd::kAddTrace: return MouseCommand::AddTrace;
    case cmd::kDeleteTrace: return MouseCommand::DeleteTrace;
    case cmd::kLandscapePlot: return MouseCommand::LandscapePlot;
    case cmd::kPortraitPlot: return MouseCommand::PortraitPlot;
    case cmd::kCustomPlot: return MouseCommand::CustomPlot;
    case cmd::kSetCustomPlot: return MouseCommand::SetCustom;
    case cmd::kFullFrame: return MouseCommand::FullFrame;
    case cmd::kAxisLabels: return MouseCommand::AxisLabels;
    case cmd::kLineWidth: return MouseCommand::LineWidth;
    case cmd::kCrossColor: return MouseCommand::CrossColor;
    case cmd::kDeleteLabelMode: return MouseCommand::DeleteLabelMode;
    case cmd::kLabelCentroid: return MouseCommand::LabelCentroid;
    case cmd::kLabelMassDifferences: return MouseCommand::LabelMassDifferences;
    case cmd::kLabelTime: return MouseCommand::LabelTime;
    case cmd::kLabelIntegral: return MouseCommand::LabelIntegral;
    case cmd::kNormalization: return MouseCommand::Normalization;
    case cmd::kAddPoint: return MouseCommand::AddCalibrationPoint;
    default: return std::nullopt;
  }
}

}  // namespace

ViewCommandTarget::ViewCommandTarget(CMouseCommands& commands, CIonvueView& view,
                                     std::function<void()> redraw)
    : m_commands(commands), m_view(view), m_redraw(std::move(redraw)) {}

bool ViewCommandTarget::UpdateCommand(int id, CommandState& state) {
  if (id == cmd::kPrinterInvert) {
    state = TableState(id);
    state.enabled = true;
    state.checked = m_view.state().spinPrinterFont;
    return true;
  }
  std::optional<MouseCommand> command = MouseCommandOf(id);
  if (!command) return false;
  const std::string keep = state.text;
  state = m_commands.Update(*command);
  if (const CommandInfo* info = FindCommand(id)) state.checkable = state.checkable || info->checkable;
  if (state.text.empty()) state.text = keep;
  return true;
}

bool ViewCommandTarget::ExecuteCommand(int id) {
  if (id == cmd::kPrinterInvert) {
    // The vertical fonts are made afresh from the switch at every drawing.
    CDisplayState& st = m_view.state();
    st.spinPrinterFont = !st.spinPrinterFont;
    Settings().WriteInt("Printer", "SpinPrinterFont", st.spinPrinterFont ? 1 : 0);
    if (m_redraw) m_redraw();
    return true;
  }
  std::optional<MouseCommand> command = MouseCommandOf(id);
  return command && m_commands.Execute(*command);
}

}  // namespace ionvue
