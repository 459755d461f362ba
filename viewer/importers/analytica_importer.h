#pragma once
// Analytica ".bin" files: int32 pairs of flight time (ns) and intensity.

#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class CAnalyticaImporter : public CSpectrumImporter {
 public:
  using CSpectrumImporter::CSpectrumImporter;

  // Also sets the time base and offset from the first two times, and one
  // shot.
  int Load(const std::string& path, CSpectrum& spectrum) override;
};

}  // namespace ionvue
