#pragma once
// The numbers the ASCII readers take from a line.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ionvue {

// Optional blanks and a sign, then decimal digits; 0 without digits.
// Values beyond the int32 range are held at its ends.
int32_t LeadingInteger(std::string_view text);

// The leading decimal number of the text (blanks skipped, '.' as the
// decimal point whatever the locale); 0.0 when there is none or it is out
// of range.
double LeadingNumber(std::string_view text);

// A real number truncated to an int32, held within the range; NaN is 0.
int32_t TruncateToInt32(double value);

// The text after the first blank, or after the first tab when the line has
// no blank; nothing when the line has neither.
std::optional<std::string_view> SecondColumn(std::string_view line);

}  // namespace ionvue
