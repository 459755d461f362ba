#pragma once
// The small dialogs of the mouse and display commands, as models: fields
// with their labels and the initial values the commands give them.

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "viewer/view/canvas.h"

namespace ionvue {

// Set display range.
class DisplayRangeDialog : public DialogModel {
 public:
  DisplayRangeDialog(double start, double end) : start(start), end(end) {}
  std::string Title() const override { return "Change display end points"; }
  static constexpr const char* kStartLabel = "Start";
  static constexpr const char* kEndLabel = "End";
  double start;  // m/z
  double end;
};

// Set intensity range, when the range becomes fixed.
class IntensityRangeDialog : public DialogModel {
 public:
  explicit IntensityRangeDialog(int32_t maximum) : maximum(maximum) {}
  std::string Title() const override { return "Set intensity range for display"; }
  static constexpr const char* kMaximumLabel = "Maximum intensity value:";
  int32_t maximum;  // axis units
};

// The factor of a region selected for vertical expansion.
class ExpansionFactorDialog : public DialogModel {
 public:
  std::string Title() const override { return "Expand a region"; }
  static constexpr const char* kFactorLabel = "Expansion factor";
  double factor = 2;
  bool Valid() const { return std::isfinite(factor) && factor > 0; }
};

// Set custom.
class GraphDimensionsDialog : public DialogModel {
 public:
  GraphDimensionsDialog(double heightCm, double widthCm) : heightCm(heightCm), widthCm(widthCm) {}
  std::string Title() const override { return "Change graph dimensions"; }
  static constexpr const char* kHeightLabel = "Height (cm)";
  static constexpr const char* kWidthLabel = "Width (cm)";
  double heightCm;
  double widthCm;
};

class AxisLabelsDialog : public DialogModel {
 public:
  AxisLabelsDialog(std::string intensity, std::string mz)
      : intensityTitle(std::move(intensity)), mzTitle(std::move(mz)) {}
  std::string Title() const override { return "Enter new axis labels"; }
  static constexpr const char* kIntensityLabel = "intensity axis";
  static constexpr const char* kMzLabel = "m/z axis";
  std::string intensityTitle;
  std::string mzTitle;
};

class LineWidthDialog : public DialogModel {
 public:
  LineWidthDialog(int32_t spectrum, int32_t frame) : spectrumWidth(spectrum), frameWidth(frame) {}
  std::string Title() const override { return "Set spectrum line width"; }
  static constexpr const char* kSpectrumLabel = "Line width";
  static constexpr const char* kFrameLabel = "Frame width";
  int32_t spectrumWidth;  // points
  int32_t frameWidth;
  // A pen cannot be narrower than nothing.
  bool Valid() const { return spectrumWidth >= 0 && frameWidth >= 0; }
};

// Add trace and Delete trace: one of the listed spectra.
class TraceChoiceDialog : public DialogModel {
 public:
  explicit TraceChoiceDialog(std::vector<std::string> titles) : titles(std::move(titles)) {}
  std::string Title() const override { return "Select a trace"; }
  std::vector<std::string> titles;
  int selected = -1;  // index into titles; -1 when nothing is chosen
  bool HasChoice() const { return selected >= 0 && selected < static_cast<int>(titles.size()); }
};

// The platform's colour chooser, for the digest crosses.
class CrossColorDialog : public DialogModel {
 public:
  explicit CrossColorDialog(const Color& color) : color(color) {}
  std::string Title() const override { return "Color"; }
  Color color;
};

}  // namespace ionvue
