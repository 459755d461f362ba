#pragma once
// Everything a view remembers about how its spectrum is shown: geometry,
// zoom, vertical scale, overlays and the drawing settings read at creation.

#include <cstdint>
#include <string>
#include <vector>

#include "viewer/view/canvas.h"
#include "viewer/view/plot_geometry.h"
#include "viewer/view/plot_mapping.h"
#include "viewer/view/vertical_scale.h"
#include "viewer/view/zoom_stack.h"

namespace ionvue {

class CIonvueDoc;

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kNavy{0, 0, 128};
inline constexpr Color kDarkRed{128, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kGreen{0, 128, 0};
inline constexpr Color kWhite{255, 255, 255};

// A colour as the settings keep it: 0x00BBGGRR in decimal.
Color ColorFromRgbValue(long value);
long RgbValueOf(const Color& color);

struct FontSetting {
  std::string face = "Arial";
  int32_t height = -240;  // logical twips; negative = character height
  int32_t weight = 400;
  int32_t charSet = 0;
};

struct CDisplayState {
  // Geometry.
  PlotRect rect;
  int32_t leftEdge = 100, topEdge = -100;  // the plot's top-left corner on the page
  char displayMode = 'P';
  double displayWidth = 15.0, displayHeight = 10.0;  // cm, mode 'V'
  double customWidth = 15.0, customHeight = 10.0;    // cm, mode 'C'
  bool halfFrame = true;
  std::string mzTitle = "m/z";
  std::string intensityTitle = "Intensity";

  // Displayed range.
  CZoomStack zoom;
  bool rangeDrag = false;  // the range bar is being dragged
  double pendingLow = 0, pendingHigh = 0;

  // Vertical scale and expansion.
  VerticalScale scale;
  VerticalExpansion expansion;

  // Binning: the factor last used is reused until something asks for a
  // fresh one.
  bool autoBinning = true;
  double binFactor = 1.0;
  // What the document's screen bins were last built from: a repaint of the
  // same range of the same samples uses them as they are.
  struct BinSource {
    double low = 0, high = 0;
    const int32_t* samples = nullptr;
    int length = -1, offset = 0, tof = 0, capacity = 0;
    double timeBase = 0;
    double a[4] = {0, 0, 0, 0};
    bool operator==(const BinSource&) const = default;
  } binned;
  int32_t minimumIntensity = 10000;  // smallest displayed sample of at least 2
  std::vector<Point> points;         // PointsPlottedOnScreen, allocated once
  // Bins of the other traces, so their own documents' screen bins (which
  // their windows export) stay those of their own displayed range.
  std::vector<double> traceMz;
  std::vector<int32_t> traceIntensity;

  // Traces: the view's own document first; the others are not owned.
  std::vector<CIonvueDoc*> traces;

  // Measured at every redraw.
  int32_t axisHeight = 240;
  int32_t smallHeight = 170;
  double adductMass = 1.0074;
  int32_t pixelsPerInch = 96;  // of the device at the last full redraw

  // Digest overlays.
  int missedCleavageLevel = 1;
  Color crossColor = kNavy;

  // Mouse mode ('s' idle); the mouse work owns it, drawing reads it.
  char mouseMode = 's';

  // Drawing settings.
  int32_t spectrumLineWidth = 1, frameLineWidth = 1;  // points
  FontSetting axisFont;
  FontSetting labelFont;
  bool spinPrinterFont = true;

  // Settings other parts of the view read from here.
  bool verticalLabels = false;
  int sigFigs = 5;
  bool autoLabelMultipleCharges = true;
  int centroidWidth = 5;
  int chargeTolerance = 300;  // ppm
  int integralWidth = 5;
  double matchSearchWindow = 5.0;
  std::string calibrantName = "none";
  std::string rootDirectory = "none";  // where the sound cues live

  // Information block, rebuilt at every redraw.
  std::vector<std::string> informationText;
  int32_t informationHeight = 0;
  bool scaleProblemShown = false;  // the scale message is shown once per problem
};

}  // namespace ionvue
