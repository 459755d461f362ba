#pragma once
// ASCII files with one integer per line.

#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class COneColumnImporter : public CSpectrumImporter {
 public:
  using CSpectrumImporter::CSpectrumImporter;

  int Load(const std::string& path, CSpectrum& spectrum) override;
  // At most `points` lines.
  virtual int Load(const std::string& path, CSpectrum& spectrum, int points);
};

}  // namespace ionvue
