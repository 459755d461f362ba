#pragma once
// The acquisition program's temporary file: int32 shots, int32 time base in
// nanoseconds, m_nHeaderBytes skipped bytes, then the sample words.

#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class CQuickLoadImporter : public CSpectrumImporter {
 public:
  static constexpr const char* kNotPresent =
      "The QuickLoad file is not present.\nCheck the QuickLoad file m_pcName in the vevor.ini file.";

  using CSpectrumImporter::CSpectrumImporter;

  // All points of 32-bit words.
  int Load(const std::string& path, CSpectrum& spectrum) override;
  // At most `points` words; `wordSize` 2 reads signed 16-bit words, any
  // other size int32.
  virtual int Load(const std::string& path, CSpectrum& spectrum, int points, int wordSize);
};

}  // namespace ionvue
