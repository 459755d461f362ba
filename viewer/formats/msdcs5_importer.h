#pragma once
// Reads MSDCS version 5 files: an 11-byte header, the property text (which
// carries the header values), then the LZARI-coded samples and labels.

#include <cstdint>
#include <span>
#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class ProgressWindow;

class CMsdcs5Importer : public CSpectrumImporter {
 public:
  static constexpr std::size_t kHeaderBytes = 11;

  explicit CMsdcs5Importer(Host& host) : CSpectrumImporter(host) {}
  // 1 on success, 0 after the failure's message (or a refused warning).
  int Load(const std::string& path, CSpectrum& spectrum) override;
  // Parses a decoded MSDCS version 5 text.
  int LoadDecoded(std::span<const uint8_t> text, const std::string& path, CSpectrum& spectrum,
                  ProgressWindow* progress = nullptr);
};

}  // namespace ionvue
