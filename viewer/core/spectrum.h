#pragma once
// The spectrum record: int32 intensity samples with their revert copy, the
// acquisition header, the calibration, labels and laboratory properties.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewer/core/label.h"
#include "viewer/core/property_table.h"
#include "viewer/core/spectrum_block.h"

namespace ionvue {

class Host;

class CSpectrum {
 public:
  static constexpr int kMaxLabels = 1000;
  // A guard against counts read from damaged files: no spectrum of ours
  // holds more than this many samples.
  static constexpr int kMaxSamples = 256 * 1024 * 1024;
  static constexpr const char* kInsufficientMemory =
      "Insufficient memory is available to open another spectrum\n"
      "Please close some open windows and try again.\n";

  CSpectrum();
  virtual ~CSpectrum();
  CSpectrum(const CSpectrum&) = delete;
  CSpectrum& operator=(const CSpectrum&) = delete;

  double m_dA[4] = {0, 0, 0, 0};
  double m_dCalMass[4] = {0, 0, 0, 0};
  double m_dCalTime[4] = {0, 0, 0, 0};
  double m_dStartMass = 0.0;
  std::array<uint32_t, 4> m_nHash = {0, 0, 0, 0};
  std::string m_strProperties;
  std::string m_strCreated, m_strAccessed, m_strModified;
  std::string m_pcName;
  int m_nCharge = 1;
  int m_nLength = 1000;
  int m_nOffset = 0;
  int m_nShots = 100;
  int m_nHeaderBytes = 0;
  int m_bTOF = 0;
  int m_bDeTOF = 0;
  int m_bDisplayMz = 0;
  double m_dTimeBase = 0.007;
  std::unique_ptr<int32_t[]> m_pData;
  std::unique_ptr<int32_t[]> m_pRevert;
  int m_bLossless = 1;
  int m_bMassTable = 0;
  int m_nCompressionWindow = 100;
  int m_nBinFactor = 1;
  int m_nLossyFactor = 20;
  double m_dRecentStart = 0.0, m_dRecentEnd = 0.0;
  double m_dPrecursorMass = -1.0;
  int m_nPrecursorCharge = -100;
  std::vector<CLabel> m_pLabels;  // at most kMaxLabels
  CPropertyTable m_pProperties;
  int m_nExports = 0;

  // Frees both buffers and allocates both for n + 2 samples. False when
  // n is out of range or memory is short; the spectrum is then empty.
  bool Resize(int n);
  int Capacity() const { return m_nCapacity; }
  int LabelCount() const { return static_cast<int>(m_pLabels.size()); }
  // Appends a label unless 1000 exist.
  bool AddLabel(const CLabel& label);

  void SaveRevertCopy();
  void RestoreRevertCopy();
  // Samples below 1 become 1; false when there are none.
  bool ClampPositive();

  void SetPropertyText(std::string_view text, Host* host = nullptr);
  const std::string& GetPropertyText() const { return m_strProperties; }
  void SerialiseProperties() { m_strProperties = m_pProperties.ToText(); }

  bool ExportBlock(SpectrumBlock* block);
  bool ReleaseBlock(SpectrumBlock* block);
  bool ImportBlock(const SpectrumBlock* block);

  // Flight time (µs) of a sample index.
  double TimeOf(double index) const { return (index + m_nOffset) * m_dTimeBase; }
  // Sample index of a flight time: trunc(t / time base) − offset.
  long IndexOf(double t) const;
  double Forward(double t) const;
  double Inverse(double mz) const;
  // m/z of sample positions 1 and m_nLength.
  std::pair<double, double> FullRange() const;

 private:
  int m_nCapacity = 0;
};

// The most refinement steps the deTOF inverse takes before it returns the
// best time found.
inline constexpr int kInverseRefinementLimit = 1000000;

}  // namespace ionvue
