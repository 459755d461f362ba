#pragma once
// Linear-instrument ".lin" files: a 1986-byte header whose uint16 at byte
// 1036 counts the samples, then N + 1 uint16 samples.

#include <cstdint>
#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class CLinearFileImporter : public CSpectrumImporter {
 public:
  static constexpr uint64_t kCountOffset = 1036;
  static constexpr uint64_t kDataOffset = 1986;

  using CSpectrumImporter::CSpectrumImporter;

  int Load(const std::string& path, CSpectrum& spectrum) override;
};

}  // namespace ionvue
