#pragma once
// The spectrum window's commands that switch the mouse mode or only change
// what is displayed: whether each is enabled and checked, and running it.
// The command table maps its ids onto these.

#include "platform/command.h"
#include "viewer/view/mouse_modes.h"
#include "viewer/view/mouse_view_port.h"

namespace ionvue {

class Host;

enum class MouseCommand {
  // Graph
  DisplayFullSpectrum,
  SetDisplayRange,
  SetIntensityRange,
  ZoomRegion,
  ZoomIn,
  ZoomOut,
  AddTrace,
  DeleteTrace,
  // Graph > Dimensions
  LandscapePlot,
  PortraitPlot,
  CustomPlot,
  SetCustom,
  // Graph > Options
  FullFrame,
  AxisLabels,
  LineWidth,
  // Digests
  CrossColor,
  // Label
  DeleteLabelMode,
  LabelCentroid,
  LabelMassDifferences,
  LabelTime,
  LabelIntegral,
  Normalization,
  // Calibrate
  AddCalibrationPoint,
};

class CMouseCommands {
 public:
  CMouseCommands(Host& host, CMouseModes& modes, MouseViewPort& view, GraphOptionsPort& options);

  CommandState Update(MouseCommand command) const;
  // False when the command is disabled.
  bool Execute(MouseCommand command);

  void DisplayFullSpectrum();
  void SetDisplayRange();
  void SetIntensityRange();
  void ZoomIn();
  void ZoomOut();
  void AddTrace();
  void DeleteTrace();
  // 'L', 'P' or 'C' from the stored custom size.
  void ChooseDimensions(char mode);
  void SetCustom();
  void ToggleFullFrame();
  void EditAxisLabels();
  void EditLineWidth();
  void ChooseCrossColor();

 private:
  void Refused();

  Host& m_host;
  CMouseModes& m_modes;
  MouseViewPort& m_view;
  GraphOptionsPort& m_options;
};

}  // namespace ionvue
