#include "viewer/formats/compression_dialog.h"

#include <optional>

#include "platform/settings.h"
#include "viewer/core/spectrum.h"

namespace ionvue {

CompressionDialog::CompressionDialog(const CSpectrum& spectrum)
    : lossless(spectrum.m_bLossless != 0),
      window(spectrum.m_nCompressionWindow),
      factor(spectrum.m_nLossyFactor),
      binFactor(spectrum.m_nBinFactor) {}

namespace {

struct Field {
  const char* label;
  int value;
  CompressionDialog::Range range;
};

// The first field out of its range, in the form's order.
std::optional<Field> FirstOutOfRange(const CompressionDialog& d) {
  for (const Field& f : {Field{CompressionDialog::kWindowLabel, d.window, d.kWindowRange},
                         Field{CompressionDialog::kFactorLabel, d.factor, d.kFactorRange},
                         Field{CompressionDialog::kBinLabel, d.binFactor, d.kBinRange}})
    if (!f.range.Holds(f.value)) return f;
  return std::nullopt;
}

}  // namespace

std::string CompressionDialog::Validate() const {
  auto bad = FirstOutOfRange(*this);
  return bad ? bad->label : "";
}

std::string CompressionDialog::RangeMessage() const {
  auto bad = FirstOutOfRange(*this);
  if (!bad) return "";
  return Format("Please enter an integer between %d and %d.", bad->range.low, bad->range.high);
}

bool CompressionDialog::Accept(CSpectrum& spectrum) const {
  if (!Validate().empty()) return false;
  spectrum.m_bLossless = lossless ? 1 : 0;
  spectrum.m_nCompressionWindow = window;
  spectrum.m_nLossyFactor = factor;
  spectrum.m_nBinFactor = binFactor;
  return true;
}

bool EditCompressionParameters(Host& host, CSpectrum& spectrum) {
  CompressionDialog dialog(spectrum);
  if (!host.RunDialog(dialog)) return false;
  if (dialog.Accept(spectrum)) return true;
  host.Message(dialog.RangeMessage());
  return false;
}

}  // namespace ionvue
