#pragma once
// Reads ROZIRO files (and bioml documents, which name a spectrum file of
// another format and carry peptide domains that become labels).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "viewer/core/importer.h"

namespace ionvue {

struct SpectrumBlock;

class CRoziroImporter : public CSpectrumImporter {
 public:
  // Result codes: 0 failure, 1 ROZIRO; for bioml documents 2 (a PerSeptive
  // file, or no importer matched), 3 (a ".dta" peak list), 5 (a Bruker "1r"
  // file), 6 (a Tofspec file).
  enum Result {
    kFailed = 0,
    kRoziro = 1,
    kBiomlPerSeptive = 2,
    kBiomlPeakList = 3,
    kBiomlBruker = 5,
    kBiomlTofspec = 6
  };

  // `importers` serves the files bioml documents name; may be null.
  CRoziroImporter(Host& host, const ImporterTable* importers)
      : CSpectrumImporter(host), m_importers(importers) {}
  int Load(const std::string& path, CSpectrum& spectrum) override;
  // The same on bytes already in memory.
  int LoadBytes(std::span<const uint8_t> file, const std::string& path, CSpectrum& spectrum);

 private:
  int LoadBioml(std::span<const uint8_t> file, const std::string& path, CSpectrum& spectrum);
  const ImporterTable* m_importers;
};

// The light reader behind the file browser: header values, description and
// samples into `block` (its samples live in `storage`). Returns the number
// of samples, −2 when the file cannot be opened or holds no "<ROZIRO>" tag,
// −3 when a tag is cut off by the end of the file.
int ReadRoziroBlock(const std::string& path, SpectrumBlock& block, std::vector<int32_t>& storage);

// The whole file in memory; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace ionvue
