#pragma once
// The three entry fields of the main window for the peak parameters:
// centroid width (Centroid/centroid_width), s/n threshold (Graph/StoN) and
// resolution (Graph/FWHM). Every edit that parses to an accepted value is
// saved at once; leaving a field shows the accepted value again.

#include <string>
#include <string_view>

namespace ionvue {

class PeakParameterFields {
 public:
  static constexpr int kDefaultCentroidWidth = 5;
  static constexpr const char* kDefaultSignalToNoise = "4.0";
  static constexpr int kDefaultResolution = 6000;
  static constexpr double kLowestSignalToNoise = 1.0;

  // The entry fonts: face, height in device units, weight.
  static constexpr const char* kFontFace = "Liberation Sans";
  static constexpr int kFontHeight = 16;
  static constexpr int kFontWeight = 400;

  // Filled from the settings.
  PeakParameterFields();

  // Each returns true when the text was accepted (and saved).
  bool EditCentroidWidth(std::string_view text);  // integers > 0
  bool EditSignalToNoise(std::string_view text);  // numbers >= 1, kept to "%.1lf"
  bool EditResolution(std::string_view text);     // integers > 0

  // What each field shows once it loses the focus.
  std::string CentroidWidthText() const;  // "%i"
  std::string SignalToNoiseText() const;  // "%.1lf"
  std::string ResolutionText() const;     // "%i"

  int centroidWidth() const { return m_nCentroidWidth; }
  double signalToNoise() const { return m_dSignalToNoise; }
  int resolution() const { return m_nResolution; }

 private:
  int m_nCentroidWidth;
  double m_dSignalToNoise;
  int m_nResolution;
};

}  // namespace ionvue
