// The settings a view reads when it is created and writes when it closes.

#include "viewer/view/view_settings.h"

#include <algorithm>

#include "platform/settings.h"

namespace ionvue {

namespace {

constexpr const char* kGraph = "Graph";
constexpr const char* kFonts = "Fonts";

FontSetting ReadFont(SettingsStore& s, const char* prefix) {
  std::string p = prefix;
  FontSetting f;
  f.height = s.GetInt(kFonts, p + "FontSize", -240);
  f.charSet = s.GetInt(kFonts, p + "FontCharSet", 0);
  f.weight = s.GetInt(kFonts, p + "FontWeight", 400);
  f.face = s.GetString(kFonts, p + "Font", "Arial");
  // These two keys must always exist for the font dialogs.
  s.WriteInt(kFonts, p + "FontSize", f.height);
  s.WriteInt(kFonts, p + "FontWeight", f.weight);
  return f;
}

int LineWidth(int points) { return std::clamp(points, 0, 1000); }

}  // namespace

Color ColorFromRgbValue(long value) {
  return Color{static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>((value >> 8) & 0xFF),
               static_cast<uint8_t>((value >> 16) & 0xFF)};
}

long RgbValueOf(const Color& c) {
  return static_cast<long>(c.r) | (static_cast<long>(c.g) << 8) | (static_cast<long>(c.b) << 16);
}

void ReadViewSettings(CDisplayState& st) {
  SettingsStore& s = Settings();
  st.displayMode = DisplayModeFromText(s.GetString(kGraph, "DisplayMode", "Portrait").c_str());
  st.displayWidth = s.GetReal(kGraph, "DisplayWidth", "15.0");
  st.displayHeight = s.GetReal(kGraph, "DisplayHeight", "10.0");
  st.customWidth = s.GetReal(kGraph, "CustomDisplayWidth", "15.0");
  st.customHeight = s.GetReal(kGraph, "CustomDisplayHeight", "10.0");
  st.leftEdge = LeftEdgeFromCm(s.GetReal(kGraph, "LeftEdge", "2.54"));
  st.topEdge = TopEdgeFromCm(s.GetReal(kGraph, "TopEdge", "1.0"));
  st.halfFrame = s.GetString(kGraph, "FrameType", "half-frame") == "half-frame";
  st.mzTitle = s.GetString(kGraph, "DefaultMzLabel", "m/z");
  st.intensityTitle = s.GetString(kGraph, "DefaultIntensityLabel", "Intensity");
  st.verticalLabels = s.GetInt(kGraph, "VerticalLabels", 0) != 0;
  st.spectrumLineWidth = LineWidth(s.GetInt(kGraph, "SpectrumLineWidth", 1));
  st.frameLineWidth = LineWidth(s.GetInt(kGraph, "FrameLineWidth", 1));
  st.sigFigs = s.GetInt(kGraph, "SigFigs", 5);
  st.autoLabelMultipleCharges = s.GetInt(kGraph, "AutoLabelMultipleCharges", 1) != 0;
  st.axisFont = ReadFont(s, "");
  st.labelFont = ReadFont(s, "Label");
  st.spinPrinterFont = s.GetInt("Printer", "SpinPrinterFont", 1) != 0;
  st.crossColor = ColorFromRgbValue(LeadingInt(s.GetString("Colors", "Crosses", "8388608")));
  st.centroidWidth = s.GetInt("Centroid", "centroid_width", 5);
  st.chargeTolerance = s.GetInt("Centroid", "MultipleChargeIDTolerance", 300);
  st.integralWidth = s.GetInt("Integration", "IntegralWidth", 5);
  st.matchSearchWindow = s.GetReal("Defaults", "MatchSearchWindow", "5.0");
  st.calibrantName = s.GetString("Calibration", "CalibrantName", "none");
  st.rootDirectory = s.GetString("Defaults", "IVRootDirectory", "none");

  LimitEdges(st.leftEdge, st.topEdge);
  double width = st.displayMode == 'C' ? st.customWidth : st.displayWidth;
  double height = st.displayMode == 'C' ? st.customHeight : st.displayHeight;
  st.rect = ComputePlotRect(st.displayMode, st.leftEdge, st.topEdge, width, height);
}

void WriteViewSettings(const CDisplayState& st) {
  SettingsStore& s = Settings();
  s.WriteReal(kGraph, "LeftEdge", st.leftEdge * kCmPerTwip, "%.2lf");
  s.WriteReal(kGraph, "TopEdge", -st.topEdge * kCmPerTwip, "%.2lf");
  s.WriteString(kGraph, "DefaultMzLabel", st.mzTitle);
  s.WriteString(kGraph, "DefaultIntensityLabel", st.intensityTitle);
  s.WriteInt(kGraph, "VerticalLabels", st.verticalLabels ? 1 : 0);
  s.WriteInt(kGraph, "SpectrumLineWidth", st.spectrumLineWidth);
  s.WriteInt(kGraph, "FrameLineWidth", st.frameLineWidth);
  s.WriteInt(kGraph, "AutoLabelMultipleCharges", st.autoLabelMultipleCharges ? 1 : 0);
  s.WriteInt("Printer", "SpinPrinterFont", st.spinPrinterFont ? 1 : 0);
  s.WriteString("Colors", "Crosses", Format("%li", RgbValueOf(st.crossColor)));
  s.WriteInt("Centroid", "MultipleChargeIDTolerance", st.chargeTolerance);
  s.WriteString("Calibration", "CalibrantName", st.calibrantName);
}

}  // namespace ionvue
