#pragma once
// Reads the binary spectrum files of the acquisition software: TOFDCS
// version 3 (binary parameters) and 4 (text parameters); MSDCS version 5
// files go to their own reader. Everything after a short plain prefix is
// LZARI-coded; the whole file is decoded in memory and then parsed, so a
// load leaves nothing behind.

#include <cstdint>
#include <span>
#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class ProgressWindow;

class CMsdcsImporter : public CSpectrumImporter {
 public:
  // The information string ends within this many bytes.
  static constexpr std::size_t kMaxInformation = 64000;

  explicit CMsdcsImporter(Host& host) : CSpectrumImporter(host) {}
  // 1 on success, 0 after the failure's message.
  int Load(const std::string& path, CSpectrum& spectrum) override;
  // Parses a decoded TOFDCS text of version character `version`.
  int LoadDecoded(std::span<const uint8_t> text, char version, const std::string& path,
                  CSpectrum& spectrum, ProgressWindow* progress = nullptr);
};

}  // namespace ionvue
