#pragma once

#include <string>
#include <string_view>

namespace ionvue {

// An element text as the reader keeps it: tabs dropped, each CR LF and every
// other CR or LF a single blank, so indented lines join with one blank.
std::string CollapseTextWhitespace(std::string_view text);

}  // namespace ionvue
