#include "markup/text_whitespace.h"

namespace ionvue {

std::string CollapseTextWhitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\t') continue;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;  // its LF gives the blank
    out.push_back(c == '\r' || c == '\n' ? ' ' : c);
  }
  return out;
}

}  // namespace ionvue
