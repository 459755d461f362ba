#pragma once
// Just enough JSON for the command line's reports.

#include <string>
#include <string_view>

namespace ionvue {

// A quoted JSON string. Bytes that are not UTF-8 (old files carry
// Windows-1252 text) are taken as Latin-1 so the output stays valid.
std::string JsonString(std::string_view text);
// A number that JSON can carry: non-finite values become null.
std::string JsonNumber(double value);

}  // namespace ionvue
