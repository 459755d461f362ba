#include "viewer/core/spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "platform/settings.h"
#include "viewer/core/calibration.h"

namespace ionvue {

namespace {
constexpr const char* kDefaults = "Defaults";
}

CSpectrum::CSpectrum() {
  SettingsStore& s = Settings();
  m_nBinFactor = s.GetInt(kDefaults, "BinFactor", 1);
  m_bLossless = s.GetInt(kDefaults, "LosslessCompress", 1);
  m_nCompressionWindow = s.GetInt(kDefaults, "CompressionWindow", 100);
  m_nLossyFactor = s.GetInt(kDefaults, "LossyCompressionFactor", 20);
  m_dTimeBase = s.GetReal(kDefaults, "TimeBase", "0.007");
  m_nShots = static_cast<int>(s.GetReal(kDefaults, "NumberOfShots", "100"));
  m_nHeaderBytes = s.GetInt(kDefaults, "BinaryFileHeader", 0);
  m_bDisplayMz = s.GetInt(kDefaults, "DisplayMz", 0);
  Resize(1000);
}

CSpectrum::~CSpectrum() {
  SettingsStore& s = Settings();
  s.WriteInt(kDefaults, "BinaryFileHeader", m_nHeaderBytes);
  s.WriteInt(kDefaults, "BinFactor", m_nBinFactor);
  s.WriteInt(kDefaults, "LosslessCompress", m_bLossless);
  s.WriteInt(kDefaults, "CompressionWindow", m_nCompressionWindow);
  s.WriteInt(kDefaults, "LossyCompressionFactor", m_nLossyFactor);
}

bool CSpectrum::Resize(int n) {
  m_pData.reset();
  m_pRevert.reset();
  m_nCapacity = 0;
  if (n < 0 || n > kMaxSamples) {
    m_nLength = 0;
    return false;
  }
  // Uninitialised on purpose: every loader writes what it stores, and
  // zeroing tens of megabytes twice would dominate opening a file.
  m_pData.reset(new (std::nothrow) int32_t[static_cast<size_t>(n) + 2]);
  m_pRevert.reset(new (std::nothrow) int32_t[static_cast<size_t>(n) + 2]);
  if (!m_pData || !m_pRevert) {
    m_pData.reset();
    m_pRevert.reset();
    m_nLength = 0;
    return false;
  }
  m_nCapacity = n;
  m_nLength = n;
  m_pData[n] = m_pData[n + 1] = 1;
  return true;
}

bool CSpectrum::AddLabel(const CLabel& label) {
  if (LabelCount() >= kMaxLabels) return false;
  m_pLabels.push_back(label);
  return true;
}

void CSpectrum::SaveRevertCopy() {
  if (m_pData && m_pRevert && m_nLength > 0)
    std::memcpy(m_pRevert.get(), m_pData.get(), sizeof(int32_t) * std::min(m_nLength, m_nCapacity));
}

void CSpectrum::RestoreRevertCopy() {
  if (m_pData && m_pRevert && m_nLength > 0)
    std::memcpy(m_pData.get(), m_pRevert.get(), sizeof(int32_t) * std::min(m_nLength, m_nCapacity));
}

bool CSpectrum::ClampPositive() {
  if (m_nLength <= 0 || !m_pData) return false;
  int32_t* p = m_pData.get();
  const int n = std::min(m_nLength, m_nCapacity);
  for (int i = 0; i < n; ++i) p[i] = std::max(p[i], int32_t{1});
  return true;
}

void CSpectrum::SetPropertyText(std::string_view text, Host* host) {
  constexpr const char* kNoDescription = "__SPECTRUM_DESCRIPTION=none ";
  if (text.size() < 2) {
    m_strProperties = kNoDescription;
  } else if (text.substr(0, 2) != "__") {
    m_strProperties = std::string(kNoDescription) + "__SPECTRUM_NOTES=" + std::string(text);
  } else {
    m_strProperties = std::string(text);
  }
  m_pProperties.FromText(m_strProperties, host);
}

bool CSpectrum::ExportBlock(SpectrumBlock* block) {
  if (!block) return false;
  block->tof = m_bTOF;
  block->massTable = m_bMassTable;
  block->binFactor = m_nBinFactor;
  block->charge = m_nCharge;
  block->length = m_nLength;
  block->reserved = 0;
  block->offset = m_nOffset;
  block->shots = m_nShots;
  block->timeBase = m_dTimeBase;
  block->startMass = m_dStartMass;
  block->precursorMass = m_dPrecursorMass;
  block->precursorCharge = m_nPrecursorCharge;
  block->samples = m_pData.get();
  for (int i = 0; i < 4; ++i) block->a[i] = m_dA[i];
  block->path = m_pcName.c_str();
  ++m_nExports;
  return true;
}

bool CSpectrum::ReleaseBlock(SpectrumBlock* block) {
  if (!block) return false;
  block->samples = nullptr;
  block->path = nullptr;
  --m_nExports;
  return true;
}

bool CSpectrum::ImportBlock(const SpectrumBlock* block) {
  if (!block) return false;
  m_bTOF = block->tof;
  m_bMassTable = block->massTable;
  m_nBinFactor = block->binFactor;
  m_nCharge = block->charge;
  m_nOffset = block->offset;
  m_dTimeBase = block->timeBase;
  m_dStartMass = block->startMass;
  m_dPrecursorMass = block->precursorMass;
  m_nPrecursorCharge = block->precursorCharge;
  for (int i = 0; i < 4; ++i) m_dA[i] = block->a[i];
  // The block may point into our own buffers (a filter's round trip).
  std::vector<int32_t> samples;
  if (block->samples && block->length > 0)
    samples.assign(block->samples, block->samples + block->length);
  std::string path = block->path ? block->path : "";
  if (!Resize(std::max(block->length, 0))) return false;
  if (!samples.empty())
    std::memcpy(m_pData.get(), samples.data(), samples.size() * sizeof(int32_t));
  else
    std::fill_n(m_pData.get(), m_nLength, 1);
  m_pcName = path;
  return true;
}

long CSpectrum::IndexOf(double t) const {
  double index = std::trunc(t / m_dTimeBase);
  if (!(index > -2e9)) index = -2e9;  // also catches NaN
  if (index > 2e9) index = 2e9;
  return static_cast<long>(index) - m_nOffset;
}

double CSpectrum::Forward(double t) const {
  return ForwardCalibration({m_dA, m_bTOF, m_bDeTOF, m_dTimeBase}, t);
}

double CSpectrum::Inverse(double mz) const {
  return InverseCalibration({m_dA, m_bTOF, m_bDeTOF, m_dTimeBase}, mz);
}

std::pair<double, double> CSpectrum::FullRange() const {
  return {Forward(TimeOf(1)), Forward(TimeOf(m_nLength))};
}

}  // namespace ionvue
