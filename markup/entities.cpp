#include "markup/entities.h"

#include <array>
#include <cctype>
#include <utility>

namespace ionvue {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

constexpr std::array<std::pair<std::string_view, char>, 19> kValueEntities{{
    {"quot", '"'},
    {"quote", '"'},
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"cr", ' '},
    {"newline", ' '},
    {"paragraph", ' '},
    {"tab", ' '},
    {"point", '\x95'},
    {"bullet", '\x95'},
    {"angstrom", '\xC5'},
    {"plusminus", '\xB1'},
    {"degree", '\xB0'},
    {"mu", '\xB5'},
    {"copyright", '\xA9'},
    {"trademark", '\xAE'},
    {"endash", '\x96'},
    {"emdash", '\x97'},
}};

constexpr std::array<std::pair<std::string_view, char>, 10> kTextEntities{{
    {"&bullet;", '\x95'},
    {"&angstrom;", '\xC5'},
    {"&plusminus;", '\xB1'},
    {"&degree;", '\xB0'},
    {"&mu;", '\xB5'},
    {"&copyright;", '\xA9'},
    {"&trademark;", '\xAE'},
    {"&endash;", '\x96'},
    {"&emdash;", '\x97'},
    {"&virgule;", '/'},
}};

// The byte a "#number" name stands for: the decimal number after its first
// character. Codes outside 1..255 are no character and give nothing.
bool NumericEntity(std::string_view name, char& out) {
  size_t i = 1;
  while (i < name.size() && std::isspace(static_cast<unsigned char>(name[i]))) ++i;
  if (i < name.size() && name[i] == '+') ++i;
  long code = 0;
  bool digits = false;
  for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
    digits = true;
    code = code * 10 + (name[i] - '0');
    if (code > 255) return false;
  }
  if (!digits || code < 1) return false;
  out = static_cast<char>(code);
  return true;
}

bool NamedEntity(std::string_view name, char& out) {
  for (const auto& [entity, c] : kValueEntities) {
    if (SameIgnoringCase(name, entity)) {
      out = c;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string DecodeAttributeValue(std::string_view value) {
  std::string spaced;
  spaced.reserve(value.size());
  for (char c : value) {
    if (c == '\r') continue;
    spaced.push_back(c == '\t' || c == '\n' ? ' ' : c);
  }

  std::string out;
  out.reserve(spaced.size());
  size_t i = 0;
  while (i < spaced.size()) {
    if (spaced[i] != '&') {
      out.push_back(spaced[i++]);
      continue;
    }
    const size_t stop = spaced.find_first_of("; ", i + 1);
    if (stop == std::string::npos) break;  // cut off by the end of the value
    if (spaced[stop] == ' ') {
      // Every '&' before this blank would end at it too, so all of them stay.
      out.append(spaced, i, stop - i);
      i = stop;
      continue;
    }
    const std::string_view name = std::string_view(spaced).substr(i + 1, stop - i - 1);
    char c = 0;
    if (name.find('#') != std::string_view::npos ? NumericEntity(name, c) : NamedEntity(name, c))
      out.push_back(c);
    i = stop + 1;
  }
  return out;
}

std::string DecodeTextEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t amp = text.find('&', i);
    if (amp == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    out.append(text.substr(i, amp - i));
    i = amp;
    bool replaced = false;
    for (const auto& [sequence, c] : kTextEntities) {
      if (text.substr(i, sequence.size()) == sequence) {
        out.push_back(c);
        i += sequence.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) out.push_back(text[i++]);
  }
  return out;
}

bool KeepsTextEntities(std::string_view element_name) {
  for (std::string_view prefix : {"copyright", "note", "name", "species"})
    if (element_name.substr(0, prefix.size()) == prefix) return true;
  return false;
}

}  // namespace ionvue
