#pragma once
// Raw binary words, 16 or 32 bit, after m_nHeaderBytes skipped bytes;
// TOFWARE ".mas" files hold unsigned 16-bit words.

#include <string>

#include "viewer/core/importer.h"

namespace ionvue {

class CBinaryImporter : public CSpectrumImporter {
 public:
  static constexpr const char* kLooks16Bit =
      "Data appears to be 16 bit NOT 32 bit binary.\nChange file type to 16 bit binary?";
  static constexpr const char* kLooks32Bit =
      "Data appears to be 32 bit NOT 16 bit binary.\nChange file type to 32 bit binary?";

  using CSpectrumImporter::CSpectrumImporter;

  // All points, 16-bit signed words.
  int Load(const std::string& path, CSpectrum& spectrum) override;
  // At most `points` words of `wordSize` bytes (4, else 2); `tofware`
  // reads 16-bit words unsigned. The user may switch the word size when
  // the data looks like the other one.
  virtual int Load(const std::string& path, CSpectrum& spectrum, int points, int wordSize,
                   bool tofware);
};

}  // namespace ionvue
