#include "viewer/importers/text_fields.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ionvue {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

size_t SkipBlanks(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}
}  // namespace

int32_t LeadingInteger(std::string_view text) {
  size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  constexpr int64_t kCap = int64_t{1} << 32;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
    if (value < kCap) value = value * 10 + (text[i] - '0');
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

double LeadingNumber(std::string_view text) {
  size_t i = SkipBlanks(text);
  if (i < text.size() && text[i] == '+') {
    ++i;
    if (i < text.size() && text[i] == '-') return 0.0;
  }
  double value = 0.0;
  const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value,
                                      std::chars_format::general);
  if (result.ec != std::errc()) return 0.0;
  return value;
}

int32_t TruncateToInt32(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(value);
}

std::optional<std::string_view> SecondColumn(std::string_view line) {
  size_t at = line.find(' ');
  if (at == std::string_view::npos) at = line.find('\t');
  if (at == std::string_view::npos) return std::nullopt;
  return line.substr(at + 1);
}

}  // namespace ionvue
