#include "viewer/formats/roziro_text.h"

namespace ionvue {

std::string RoziroEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '"':
        out += "&quote;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string RoziroUnescape(std::string_view text) {
  struct Entity {
    std::string_view code;
    char c;
  };
  static constexpr Entity kEntities[] = {
      {"&quote;", '"'}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    bool replaced = false;
    if (text[i] == '&') {
      for (const Entity& e : kEntities) {
        if (text.substr(i, e.code.size()) == e.code) {
          out += e.c;
          i += e.code.size();
          replaced = true;
          break;
        }
      }
    }
    if (!replaced) out += text[i++];
  }
  return out;
}

bool RoziroAttribute(std::string_view tag, std::string_view name, std::string& value) {
  std::string key = std::string(name) + "=\"";
  size_t at = tag.find(key);
  // A longer attribute name ending in this one (POINT_X for X) is not it.
  while (at != std::string_view::npos && at > 0) {
    char before = tag[at - 1];
    if (before == ' ' || before == '\t' || before == '\r' || before == '\n' || before == '<') break;
    at = tag.find(key, at + 1);
  }
  if (at == std::string_view::npos) return false;
  size_t begin = at + key.size();
  size_t end = tag.find('"', begin);
  if (end == std::string_view::npos) end = tag.size();
  value = RoziroUnescape(tag.substr(begin, end - begin));
  return true;
}

}  // namespace ionvue
