#pragma once
// ASCII mass-intensity tables (also correlation ".cor" files): lines of
// mass, a blank or tab, intensity, masses ascending. The intensities are
// laid on a regular mass grid whose step is the smallest mass difference.

#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class CMassTableImporter : public CSpectrumImporter {
 public:
  using CSpectrumImporter::CSpectrumImporter;

  int Load(const std::string& path, CSpectrum& spectrum) override;
  // At most `points` samples. `firstMass` and `secondMass` receive the m/z
  // of samples 0 and 1, from which the caller sets a linear calibration.
  virtual int Load(const std::string& path, CSpectrum& spectrum, int points, double& firstMass,
                   double& secondMass);
};

}  // namespace ionvue
