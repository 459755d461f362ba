#pragma once
// The quoting of ROZIRO attribute values.

#include <string>
#include <string_view>

namespace ionvue {

// '"' → "&quote;", '&' → "&amp;", '<' → "&lt;", '>' → "&gt;".
std::string RoziroEscape(std::string_view text);
// Exactly those four sequences back; any other '&' stays.
std::string RoziroUnescape(std::string_view text);

// The value of `name="..."` inside a tag, unescaped; false when absent.
bool RoziroAttribute(std::string_view tag, std::string_view name, std::string& value);

}  // namespace ionvue
