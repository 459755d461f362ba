#pragma once
// "Compression parameters": the four compression settings of the current
// document's spectrum. Accept stores them in the spectrum, Cancel keeps the
// old values; the spectrum hands them to the settings store when it is
// destroyed.

#include <string>

#include "platform/host.h"

namespace ionvue {

class CSpectrum;

class CompressionDialog : public DialogModel {
 public:
  static constexpr int kCommand = 32774;
  static constexpr const char* kCommandPrompt = "Set compression parameters";

  static constexpr const char* kLosslessLabel = "Use lossless compression";
  static constexpr const char* kWindowLabel = "Zero supression window";
  static constexpr const char* kFactorLabel = "Supression factor";
  static constexpr const char* kBinLabel = ":1  Binning factor";

  struct Range {
    int low;
    int high;
    bool Holds(int value) const { return value >= low && value <= high; }
  };
  static constexpr Range kWindowRange{1, 10000};
  static constexpr Range kFactorRange{1, 1000};
  static constexpr Range kBinRange{1, 200};

  // The form starts from the spectrum's current values.
  explicit CompressionDialog(const CSpectrum& spectrum);

  std::string Title() const override { return "Compression parameters"; }

  bool lossless;  // m_bLossless
  int window;     // m_nCompressionWindow
  int factor;     // m_nLossyFactor
  int binFactor;  // m_nBinFactor

  // The label of the first field out of its range, or "" when the form may
  // be accepted.
  std::string Validate() const;
  // The dialog framework's range message for the first field out of range,
  // or "" when there is none.
  std::string RangeMessage() const;

  // Stores the fields in the spectrum; false (and nothing stored) while a
  // field is out of range.
  bool Accept(CSpectrum& spectrum) const;
};

// Command 32774 on the current document's spectrum: runs the dialog through
// the host. True when new values were stored. A form accepted with a field
// out of range (the Qt form refuses that itself) shows the range message and
// stores nothing.
bool EditCompressionParameters(Host& host, CSpectrum& spectrum);

}  // namespace ionvue
