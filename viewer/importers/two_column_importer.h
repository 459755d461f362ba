#pragma once
// ASCII files whose lines hold a first number, a blank or tab, and the
// intensity.

#include <cstdint>
#include <string>
#include <string_view>

#include "viewer/core/importer.h"

namespace ionvue {

class CTwoColumnImporter : public CSpectrumImporter {
 public:
  using CSpectrumImporter::CSpectrumImporter;

  int Load(const std::string& path, CSpectrum& spectrum) override;
  // At most `points` lines.
  virtual int Load(const std::string& path, CSpectrum& spectrum, int points);

  // The integer after the first blank (after the first tab when there is
  // no blank); a line without either has no intensity and gives 0.
  static int32_t Intensity(std::string_view line);
};

}  // namespace ionvue
