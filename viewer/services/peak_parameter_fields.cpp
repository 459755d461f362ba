#include "viewer/services/peak_parameter_fields.h"

#include <cmath>
#include <limits>

#include "platform/settings.h"
#include "viewer/importers/text_fields.h"

namespace ionvue {

namespace {

// A C-style string-to-integer reading; values beyond 32 bits are refused
// rather than wrapped.
bool PositiveInteger(std::string_view text, int& value) {
  long parsed = LeadingInt(text);
  if (parsed <= 0 || parsed > std::numeric_limits<int>::max()) return false;
  value = static_cast<int>(parsed);
  return true;
}

}  // namespace

PeakParameterFields::PeakParameterFields() {
  SettingsStore& s = Settings();
  m_nCentroidWidth = s.GetInt("Centroid", "centroid_width", kDefaultCentroidWidth);
  m_dSignalToNoise = s.GetReal("Graph", "StoN", kDefaultSignalToNoise);
  m_nResolution = s.GetInt("Graph", "FWHM", kDefaultResolution);
  // A damaged store must not start the fields from a value they refuse.
  if (m_nCentroidWidth <= 0) m_nCentroidWidth = kDefaultCentroidWidth;
  if (!std::isfinite(m_dSignalToNoise) || m_dSignalToNoise < kLowestSignalToNoise)
    m_dSignalToNoise = LeadingNumber(kDefaultSignalToNoise);
  if (m_nResolution <= 0) m_nResolution = kDefaultResolution;
}

bool PeakParameterFields::EditCentroidWidth(std::string_view text) {
  int value = 0;
  if (!PositiveInteger(text, value)) return false;
  m_nCentroidWidth = value;
  Settings().WriteInt("Centroid", "centroid_width", value);
  return true;
}

bool PeakParameterFields::EditSignalToNoise(std::string_view text) {
  double value = LeadingNumber(text);
  if (!std::isfinite(value) || value < kLowestSignalToNoise) return false;
  m_dSignalToNoise = value;
  Settings().WriteReal("Graph", "StoN", value, "%.1lf");
  return true;
}

bool PeakParameterFields::EditResolution(std::string_view text) {
  int value = 0;
  if (!PositiveInteger(text, value)) return false;
  m_nResolution = value;
  Settings().WriteInt("Graph", "FWHM", value);
  return true;
}

std::string PeakParameterFields::CentroidWidthText() const {
  return Format("%i", m_nCentroidWidth);
}

std::string PeakParameterFields::SignalToNoiseText() const {
  return Format("%.1lf", m_dSignalToNoise);
}

std::string PeakParameterFields::ResolutionText() const { return Format("%i", m_nResolution); }

}  // namespace ionvue
