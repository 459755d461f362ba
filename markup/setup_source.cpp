#include "markup/setup_source.h"

#include <algorithm>

#include "markup/markup_messages.h"
#include "markup/tag_scanner.h"

namespace ionvue {

std::optional<size_t> MeasureSetupSource(std::string_view source, size_t begin, size_t end,
                                         MarkupErrorLog& log) {
  constexpr std::string_view kBinary = "<binary";
  constexpr std::string_view kLength = "length=\"";
  const std::string_view text = source.substr(0, end);
  auto zero_from = [&](size_t from) {
    const size_t zero = text.find('\0', from);
    return zero == std::string_view::npos ? end : zero;
  };

  size_t at = begin;
  size_t zero = zero_from(at);  // the searches, like the C string ones they mirror, stop here
  for (;;) {
    const size_t tag = text.substr(0, zero).find(kBinary, at);
    if (tag == std::string_view::npos) break;
    const size_t length = text.substr(0, zero).find(kLength, tag);
    if (length == std::string_view::npos) {
      log.Add(markup_text::kNoBinaryLength);
      return std::nullopt;
    }
    const size_t digits = length + kLength.size();
    const size_t gt = text.substr(0, zero).find('>', digits);
    if (gt == std::string_view::npos) {
      log.Add(markup_text::kNoBinaryTagEnd);
      return std::nullopt;
    }
    const std::optional<size_t> n = ParseDecimalLength(text.substr(digits, gt - digits));
    if (!n || *n > end - (gt + 1)) {
      log.Add(markup_text::kBinaryPastEnd);
      return std::nullopt;
    }
    at = std::min(gt + *n + 2, end);
    if (at > zero) zero = zero_from(at);
  }
  return zero;
}

}  // namespace ionvue
